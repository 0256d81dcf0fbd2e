// NumberedList: a singly linked chain of numbered nodes, each holding one object: the layers of
// a screen window (display lists) and its point windows. The head node belongs to its owner and
// has number 0; appended nodes are numbered on without gaps. One thread appends while another
// walks the chain: a node is complete before it is linked, and nodes go only with the head.
#pragma once

#include <atomic>
#include <vector>

template <class T> class NumberedList {
public:
    NumberedList() : next(nullptr), index(0) {}
    // Destroys the chain behind the head, last node first, then the head's object.
    ~NumberedList() {
        std::vector<NumberedList*> behind;
        for (NumberedList* node = getNext(); node; node = node->getNext())
            behind.push_back(node);
        for (auto node = behind.rbegin(); node != behind.rend(); ++node) {
            (*node)->next.store(nullptr, std::memory_order_relaxed);
            delete *node;
        }
    }
    NumberedList(const NumberedList&) = delete;
    NumberedList& operator=(const NumberedList&) = delete;

    // Links a node with a fresh object behind the last one, numbered one higher; returns the
    // object.
    T& append() {
        NumberedList& last = lastNode();
        NumberedList* node = new NumberedList(last.index + 1);
        last.next.store(node, std::memory_order_release);
        return node->item;
    }
    // The number of the last node: the number of nodes - 1.
    unsigned long lastIndex() const { return lastNode().index; }
    // The first node numbered `i`; the last node when there is none.
    NumberedList& find(unsigned long i) {
        NumberedList* node = this;
        while (node->index != i) {
            NumberedList* following = node->getNext();
            if (!following) break;
            node = following;
        }
        return *node;
    }
    NumberedList* getNext() const { return next.load(std::memory_order_acquire); }
    unsigned long getIndex() const { return index; }
    T& payload() { return item; }

private:
    explicit NumberedList(unsigned long number) : next(nullptr), index(number) {}
    NumberedList& lastNode() const {
        const NumberedList* node = this;
        while (const NumberedList* following = node->getNext())
            node = following;
        return const_cast<NumberedList&>(*node);
    }

    std::atomic<NumberedList*> next;
    unsigned long index;
    T item;
};
