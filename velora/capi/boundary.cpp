#include "capi/boundary.h"

#include "common/endprocess.h"
#include "plot/boxclass.h"
#include "text/fontclass.h"

#include <atomic>
#include <iostream>
#include <sstream>
#include <streambuf>

namespace velora::capi {

namespace {

thread_local std::string lastError;
thread_local int callsInProgress = 0;
std::atomic<long long> ends{0};

// What the library prints during a call: kept, so that a failing call can give it as its
// message; a call that succeeds passes it on to where it would have gone.
std::stringbuf capturedOut, capturedErr;
std::streambuf* originalOut = nullptr;
std::streambuf* originalErr = nullptr;
EndProcessHandler originalHandler = nullptr;

// Inside a call the end unwinds to the boundary; on any other thread (the screen's) the process
// ends as the library always ends it.
void endInsideCall(int) {
    if (callsInProgress > 0) throw Ended{};
}

std::string takeCaptured() {
    std::string text = capturedOut.str() + capturedErr.str();
    capturedOut.str(std::string());
    capturedErr.str(std::string());
    return text;
}

void passOn(std::stringbuf& captured, std::streambuf* to) {
    const std::string text = captured.str();
    if (!text.empty() && to) to->sputn(text.data(), static_cast<std::streamsize>(text.size()));
    captured.str(std::string());
}

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

} // namespace

long long endsSoFar() {
    return ends.load();
}

Boundary::Boundary(DeskState* state) : state(state) {
    if (callsInProgress++ > 0) return;
    originalOut = std::cout.rdbuf(&capturedOut);
    originalErr = std::cerr.rdbuf(&capturedErr);
    originalHandler = setEndProcessHandler(endInsideCall);
}

Boundary::~Boundary() {
    if (--callsInProgress > 0) return;
    std::cout.rdbuf(originalOut);
    std::cerr.rdbuf(originalErr);
    setEndProcessHandler(originalHandler);
}

int Boundary::succeeded() {
    if (callsInProgress == 1) {
        passOn(capturedOut, originalOut);
        passOn(capturedErr, originalErr);
    }
    return VELORA_OK;
}

int Boundary::ended() {
    ++ends;
    if (state) ++state->ownEnds;
    const std::string message = trimmed(takeCaptured());
    lastError = message.empty() ? "Velora: the call could not be completed" : message;
    return VELORA_FAILED;
}

int Boundary::refused(const Refusal& refusal) {
    succeeded();
    lastError = refusal.message;
    return refusal.status;
}

int Boundary::failedWith(const char* message) {
    const std::string printed = trimmed(takeCaptured());
    lastError = printed.empty() ? std::string("Velora: ") + message : printed;
    return VELORA_FAILED;
}

DeskState* stateOf(velora_desk* d) {
    return d && d->tag == deskTag ? d->state.get() : nullptr;
}

DeskState* stateOf(velora_box* b) {
    return b && b->tag == boxTag ? b->state.get() : nullptr;
}

DeskState* stateOf(velora_text* t) {
    return t && t->tag == textTag ? t->state.get() : nullptr;
}

DeskState& anyDesk(velora_desk* d) {
    if (!stateOf(d))
        throw Refusal{VELORA_INVALID, "Velora: no desk (a null handle, or one of another kind)"};
    if (d->state->freed) throw Refusal{VELORA_CLOSED, "Velora: the desk has been freed"};
    return *d->state;
}

DeskState& openDesk(velora_desk* d) {
    DeskState& state = anyDesk(d);
    if (!state.open) throw Refusal{VELORA_CLOSED, "Velora: the desk is not open"};
    return state;
}

void requireArray(const void* values, int n) {
    if (n < 0) throw Refusal{VELORA_INVALID, "Velora: a negative count"};
    if (n > 0 && !values) throw Refusal{VELORA_INVALID, "Velora: a null array"};
}

void requireText(const char* text) {
    if (!text) throw Refusal{VELORA_INVALID, "Velora: a null text"};
}

} // namespace velora::capi

velora_box::~velora_box() {
    tag = 0;
}

velora_text::~velora_text() {
    tag = 0;
}

extern "C" const char* VELORA_CALL velora_last_error(void) {
    return velora::capi::lastError.c_str();
}
