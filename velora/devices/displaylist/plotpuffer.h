// PlotPuffer: one display list of the screen, a growable sequence of 16-bit items written only by
// appending (the client's thread) and read by index (the window thread's replays, at the same
// time). Items live in blocks that are allocated as they are first written and never move or go
// away before the buffer does, so a replay never reads freed memory, and memory grows with what is
// drawn. The record format written into it is in devices/plotrecord.h.
#pragma once

#include "common/api.h"

#include <atomic>
#include <cstddef>
#include <vector>

class VELORA_API PlotPuffer {
public:
    // Count 0, capacity 1,000,000 items that all read as 0, no colour or pen width recorded yet.
    PlotPuffer();
    ~PlotPuffer();
    PlotPuffer(const PlotPuffer&) = delete;
    PlotPuffer& operator=(const PlotPuffer&) = delete;

    // Appends one item; the capacity grows by the increment when fewer than 10 items are left.
    void addItem(short value);
    // Appends a record of three items (a code and a point) as addItem would, item by item, but
    // shown to readers at once: the drawing path appends one for every segment.
    void addRecord(short code, short x, short y);
    // Appends a string: its length L (bytes with the terminating zero), then ceil(L / 2) items
    // holding the bytes in memory order. Texts longer than `maxStringLength` are cut there, so
    // that L fits its 16-bit item.
    void addString(const char* text);
    // `index` names a string's length item: returns its text and advances `index` past the
    // string. The text is a terminated copy, valid until the next call on this buffer.
    char* getString(unsigned long& index);

    // The item at `index` modulo the capacity, sign-extended.
    int operator[](int index) const;
    // The item at `index` for readers; 0 where nothing was ever written.
    short item(unsigned long index) const;

    // Items in use. A reader takes it once and reads only the items below it: those are written.
    unsigned long getCounter() const { return count.load(std::memory_order_acquire); }
    // Sets the count when `n` is below the capacity; otherwise nothing happens.
    void setCounter(unsigned long n);
    void reset() { setCounter(0); }
    unsigned long getCapacity() const { return capacity.load(std::memory_order_relaxed); }

    void setViewportBegin(unsigned long index) { viewportBegin = index; }
    unsigned long getViewportBegin() const { return viewportBegin; }

    // 1 when `colour` is the colour of the last pen record; otherwise records it and answers 0.
    int isColor(int colour);
    // The colour of the last pen record, 0 before the first.
    int getColor() const { return currentColor < 0 ? 0 : currentColor; }
    // 1 when `width` is the width of the last pen record; otherwise records it and answers 0.
    int isPenWidth(float width);
    // The width of the last pen record as the client gave it; -1.0 before the first.
    float getPenWidth() const { return currentPenWidth; }

    // The window's device context, kept for the screen device; the buffer never uses it.
    void setHDC(HDC context) { hdc = context; }
    HDC getHDC() const { return hdc; }

    PlotPuffer& getClassReference() { return *this; }
    operator PlotPuffer*() { return this; }

    // Bytes held for items: grows with the items written, not with the capacity.
    std::size_t storageBytes() const;

    static constexpr unsigned long initialCapacity = 1000000;
    static constexpr std::size_t maxStringLength = 32766;

private:
    // Items are atomic so that a replay may read what the client thread is (re)writing; every
    // access is relaxed, a plain 16-bit load or store. The count publishes them.
    using Item = std::atomic<short>;
    static constexpr unsigned blockBits = 14; // 16,384 items, 32 KB
    static constexpr unsigned long blockSize = 1ul << blockBits;
    static constexpr unsigned pageBits = 10; // 1,024 blocks to a directory page
    static constexpr unsigned long pageSize = 1ul << pageBits;
    static constexpr unsigned pages = 256; // 2^32 items in all
    struct Block {
        Item items[blockSize];
    };
    struct Page {
        std::atomic<Block*> blocks[pageSize];
    };

    // The item slot for writing at `index`, allocating its page and block on first use; null
    // when memory runs out or the index is beyond the last page.
    Item* writableSlot(unsigned long index);
    const Item* readableSlot(unsigned long index) const;
    // Makes room for `needed` more items, as the growth rule says; false when the buffer is full.
    bool makeRoom(unsigned long needed);
    void reportFull();

    std::atomic<unsigned long> count;
    std::atomic<unsigned long> capacity;
    unsigned long increment;
    std::atomic<Page*> directory[pages];
    unsigned long viewportBegin;
    int currentColor;
    float currentPenWidth;
    HDC hdc;

    // The client thread's last written block, so that appending is a store and an increment.
    unsigned long writeBlockNumber;
    Item* writeBlock;
    std::atomic<std::size_t> allocatedBytes;
    bool full; // memory ran out once: later appends are dropped whole
    // Only the replaying thread reads strings.
    std::vector<char> stringCopy;
};
