#include "devices/displaylist/plotpuffer.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <new>

namespace {

constexpr unsigned long headroom = 10;

// Two bytes in memory order as one item: the first byte is the item's lower-addressed byte.
short itemOfBytes(char first, char second) {
    const char bytes[2] = {first, second};
    short value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

void bytesOfItem(short value, char* out) {
    std::memcpy(out, &value, sizeof value);
}

} // namespace

PlotPuffer::PlotPuffer()
    : count(0), capacity(initialCapacity), increment(initialCapacity), viewportBegin(0),
      currentColor(-1), currentPenWidth(-1.0f), hdc(nullptr), writeBlockNumber(0),
      writeBlock(nullptr), allocatedBytes(sizeof directory), full(false) {
    for (auto& page : directory)
        page.store(nullptr, std::memory_order_relaxed);
}

PlotPuffer::~PlotPuffer() {
    for (auto& entry : directory) {
        Page* page = entry.load(std::memory_order_relaxed);
        if (!page) continue;
        for (auto& block : page->blocks)
            delete block.load(std::memory_order_relaxed);
        delete page;
        entry.store(nullptr, std::memory_order_relaxed);
    }
    count.store(0, std::memory_order_relaxed);
    capacity.store(0, std::memory_order_relaxed);
}

PlotPuffer::Item* PlotPuffer::writableSlot(unsigned long index) {
    const unsigned long blockNumber = index >> blockBits;
    const unsigned long offset = index & (blockSize - 1);
    if (writeBlock && blockNumber == writeBlockNumber) return writeBlock + offset;

    const unsigned long pageNumber = blockNumber >> pageBits;
    if (pageNumber >= pages) return nullptr;
    Page* page = directory[pageNumber].load(std::memory_order_acquire);
    if (!page) {
        page = new (std::nothrow) Page();
        if (!page) return nullptr;
        allocatedBytes.fetch_add(sizeof(Page), std::memory_order_relaxed);
        directory[pageNumber].store(page, std::memory_order_release);
    }
    auto& entry = page->blocks[blockNumber & (pageSize - 1)];
    Block* block = entry.load(std::memory_order_acquire);
    if (!block) {
        block = new (std::nothrow) Block(); // value-initialised: every item 0
        if (!block) return nullptr;
        allocatedBytes.fetch_add(sizeof(Block), std::memory_order_relaxed);
        entry.store(block, std::memory_order_release);
    }
    writeBlockNumber = blockNumber;
    writeBlock = block->items;
    return writeBlock + offset;
}

const PlotPuffer::Item* PlotPuffer::readableSlot(unsigned long index) const {
    const unsigned long blockNumber = index >> blockBits;
    const unsigned long pageNumber = blockNumber >> pageBits;
    if (pageNumber >= pages) return nullptr;
    const Page* page = directory[pageNumber].load(std::memory_order_acquire);
    if (!page) return nullptr;
    const Block* block = page->blocks[blockNumber & (pageSize - 1)].load(std::memory_order_acquire);
    if (!block) return nullptr;
    return block->items + (index & (blockSize - 1));
}

bool PlotPuffer::makeRoom(unsigned long needed) {
    if (full) return false;
    const unsigned long used = count.load(std::memory_order_relaxed);
    unsigned long room = capacity.load(std::memory_order_relaxed);
    // The rule keeps `headroom` items free beyond the ones about to be written.
    while (used + needed + headroom > room + 1)
        room += increment;
    capacity.store(room, std::memory_order_relaxed);
    return true;
}

void PlotPuffer::reportFull() {
    if (!full)
        std::cerr << "PlotPuffer : kein Speicher mehr, weitere Zeichnungen werden nicht "
                     "aufgezeichnet\n";
    full = true;
}

void PlotPuffer::addItem(short value) {
    if (!makeRoom(1)) return;
    const unsigned long index = count.load(std::memory_order_relaxed);
    Item* slot = writableSlot(index);
    if (!slot) return reportFull();
    slot->store(value, std::memory_order_relaxed);
    count.store(index + 1, std::memory_order_release);
}

void PlotPuffer::addRecord(short code, short x, short y) {
    if (!makeRoom(3)) return;
    const unsigned long index = count.load(std::memory_order_relaxed);
    const unsigned long offset = index & (blockSize - 1);
    if (!writeBlock || (index >> blockBits) != writeBlockNumber || offset + 3 > blockSize) {
        // A record across blocks, or the first in a block: the general path.
        addItem(code);
        addItem(x);
        addItem(y);
        return;
    }
    writeBlock[offset].store(code, std::memory_order_relaxed);
    writeBlock[offset + 1].store(x, std::memory_order_relaxed);
    writeBlock[offset + 2].store(y, std::memory_order_relaxed);
    count.store(index + 3, std::memory_order_release);
}

void PlotPuffer::addString(const char* text) {
    const std::size_t length = std::min(std::strlen(text), maxStringLength);
    const unsigned long bytes = static_cast<unsigned long>(length) + 1;
    const unsigned long items = (bytes + 1) / 2;
    if (!makeRoom(length + 1)) return;
    const unsigned long start = count.load(std::memory_order_relaxed);
    // Every item is written before the count shows any of them: a replay sees all or nothing.
    Item* lengthSlot = writableSlot(start);
    if (!lengthSlot) return reportFull();
    lengthSlot->store(static_cast<short>(bytes), std::memory_order_relaxed);
    for (unsigned long k = 0; k < items; ++k) {
        const std::size_t first = 2 * k;
        const char a = first < length ? text[first] : '\0';
        const char b = first + 1 < length ? text[first + 1] : '\0';
        Item* slot = writableSlot(start + 1 + k);
        if (!slot) return reportFull();
        slot->store(itemOfBytes(a, b), std::memory_order_relaxed);
    }
    count.store(start + 1 + items, std::memory_order_release);
}

char* PlotPuffer::getString(unsigned long& index) {
    const int bytes = item(index);
    stringCopy.assign(1, '\0');
    if (bytes < 1) {
        index += 1;
        return stringCopy.data();
    }
    const unsigned long items = (static_cast<unsigned long>(bytes) + 1) / 2;
    stringCopy.resize(2 * items + 1);
    for (unsigned long k = 0; k < items; ++k)
        bytesOfItem(item(index + 1 + k), stringCopy.data() + 2 * k);
    stringCopy[bytes - 1] = '\0'; // the stored terminator, whatever the items hold
    index += items + 1;
    return stringCopy.data();
}

int PlotPuffer::operator[](int index) const {
    return item(static_cast<unsigned long>(index) % getCapacity());
}

short PlotPuffer::item(unsigned long index) const {
    const Item* slot = readableSlot(index);
    return slot ? slot->load(std::memory_order_relaxed) : 0;
}

void PlotPuffer::setCounter(unsigned long n) {
    if (n < getCapacity()) count.store(n, std::memory_order_release);
}

int PlotPuffer::isColor(int colour) {
    if (colour == currentColor) return 1;
    currentColor = colour;
    return 0;
}

int PlotPuffer::isPenWidth(float width) {
    if (width == currentPenWidth) return 1;
    currentPenWidth = width;
    return 0;
}

std::size_t PlotPuffer::storageBytes() const {
    return allocatedBytes.load(std::memory_order_relaxed);
}
