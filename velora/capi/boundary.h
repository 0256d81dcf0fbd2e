// The edge between the C interface and the C++ library: every call runs inside `guarded`, which
// turns the library's end of the process into a status, keeps what the library printed as the
// call's message, and catches whatever else would cross into C. The handles live here too.
#pragma once

#include "capi/velora_c.h"
#include "desk/desk.h"
#include "image/bitmap24.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class boxclass;
class fontclass;

namespace velora::capi {

// A desk and what the interface knows of it. Boxes and renderers hold it too, so that a box freed
// after its desk still finds a desk to let go of.
struct DeskState {
    desk page;
    bool open = false;
    bool freed = false;
    bool hasFiles = false;
    // The 24-bit pictures placed from memory, kept while the screen may show them again.
    std::vector<std::unique_ptr<bitmap24>> pictures;
    // The ends of the process counted when the desk was opened, and those of its own calls since:
    // any other end has removed its files.
    long long endsAtOpen = 0;
    long long ownEnds = 0;
};

// A call refused before it reached the library.
struct Refusal {
    int status;
    const char* message;
};

long long endsSoFar();

// One call in progress: the library's messages are caught and its end handler is installed.
class Boundary {
public:
    explicit Boundary(DeskState* state);
    ~Boundary();
    Boundary(const Boundary&) = delete;
    Boundary& operator=(const Boundary&) = delete;

    int succeeded();
    int ended();
    int refused(const Refusal& refusal);
    int failedWith(const char* message);

private:
    DeskState* state;
};

// Thrown by the end handler inside a call: the library would have ended the process here.
struct Ended {};

// Runs `work` as one call; the desk of the call, when it has one, counts its own ends.
template <class Work> int guarded(DeskState* state, Work&& work) noexcept {
    try {
        Boundary boundary(state);
        try {
            std::forward<Work>(work)();
            return boundary.succeeded();
        } catch (const Ended&) {
            return boundary.ended();
        } catch (const Refusal& refusal) {
            return boundary.refused(refusal);
        } catch (const std::exception& e) {
            return boundary.failedWith(e.what());
        } catch (...) {
            return boundary.failedWith("unknown failure");
        }
    } catch (...) {
        return VELORA_FAILED;
    }
}

// The checks of the handles and arrays every call makes. The state of a handle, or null for a
// null handle or one of another kind.
DeskState* stateOf(velora_desk* d);
DeskState* stateOf(velora_box* b);
DeskState* stateOf(velora_text* t);
DeskState& openDesk(velora_desk* d);
DeskState& anyDesk(velora_desk* d);
void requireArray(const void* values, int n);
void requireText(const char* text);

} // namespace velora::capi

// Each handle starts with a tag of its kind, so that a handle of another kind (a desk given where a
// box is wanted) or one already freed is refused rather than used.
namespace velora::capi {
constexpr unsigned deskTag = 0x6b736564u, boxTag = 0x786f6276u, textTag = 0x74786574u;
}

struct velora_desk {
    unsigned tag = velora::capi::deskTag;
    std::shared_ptr<velora::capi::DeskState> state;
    ~velora_desk() { tag = 0; }
};

struct velora_box {
    unsigned tag = velora::capi::boxTag;
    std::shared_ptr<velora::capi::DeskState> state;
    std::unique_ptr<boxclass> box;
    ~velora_box();
};

struct velora_text {
    unsigned tag = velora::capi::textTag;
    std::shared_ptr<velora::capi::DeskState> state;
    std::unique_ptr<fontclass> renderer;
    ~velora_text();
};
