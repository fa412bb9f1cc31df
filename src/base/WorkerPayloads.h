#pragma once
// Payloads that worker threads hand to the main window by pointer in a posted
// message's lParam. Any process can post any number with those messages, so
// the receiver reads and frees only a pointer that one of our own workers
// registered for that message and that has not been taken yet.
#include <windows.h>

#include <memory>
#include <typeinfo>

namespace worker_payload_detail {
using Deleter = void (*)(void*);
template <class T>
void DeleteAs(void* payload) {
    delete static_cast<T*>(payload);
}
void Register(UINT message, void* payload, const std::type_info& type, Deleter deleter);
// Removes the entry when it exists under this message with this type; true
// when it did.
bool Take(UINT message, LPARAM lParam, const std::type_info& type);
}  // namespace worker_payload_detail

// Worker side: registers the payload for `message` and posts it to `window`.
// When the window is gone or the post fails, the payload is taken back and
// freed here, and the result is false.
template <class T>
bool PostWorkerPayload(HWND window, UINT message, std::unique_ptr<T> payload) {
    LPARAM token = reinterpret_cast<LPARAM>(payload.get());
    worker_payload_detail::Register(message, payload.get(), typeid(T), &worker_payload_detail::DeleteAs<T>);
    if (IsWindow(window) && PostMessageW(window, message, 0, token)) {
        payload.release();  // the receiver owns it now
        return true;
    }
    worker_payload_detail::Take(message, token, typeid(T));
    return false;
}

// Receiver side: the payload posted with `message`, now owned by the caller;
// null for anything that is not an outstanding payload of that message and
// type (a number from elsewhere, or one already taken).
template <class T>
std::unique_ptr<T> TakeWorkerPayload(UINT message, LPARAM lParam) {
    if (!worker_payload_detail::Take(message, lParam, typeid(T))) return nullptr;
    return std::unique_ptr<T>(reinterpret_cast<T*>(lParam));
}

// Frees an outstanding payload of `message` whatever its type; for receivers
// that have no use for it. Anything else is left alone.
void DiscardWorkerPayload(UINT message, LPARAM lParam);

// True while `lParam` is a payload registered for `message` and not taken.
bool WorkerPayloadOutstanding(UINT message, LPARAM lParam);
