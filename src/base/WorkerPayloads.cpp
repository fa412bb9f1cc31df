#include "base/WorkerPayloads.h"

#include <map>
#include <mutex>
#include <utility>

namespace {

struct Entry {
    const std::type_info* type;
    worker_payload_detail::Deleter deleter;
};

using Key = std::pair<UINT, LPARAM>;

// Workers register from their own threads while the GUI thread takes, so the
// set is the one piece of state shared between threads; it is only ever
// touched under this lock.
std::mutex g_lock;
std::map<Key, Entry> g_outstanding;

}  // namespace

namespace worker_payload_detail {

void Register(UINT message, void* payload, const std::type_info& type, Deleter deleter) {
    std::lock_guard<std::mutex> hold(g_lock);
    g_outstanding.insert_or_assign(Key{message, reinterpret_cast<LPARAM>(payload)}, Entry{&type, deleter});
}

bool Take(UINT message, LPARAM lParam, const std::type_info& type) {
    std::lock_guard<std::mutex> hold(g_lock);
    auto it = g_outstanding.find(Key{message, lParam});
    if (it == g_outstanding.end() || *it->second.type != type) return false;
    g_outstanding.erase(it);
    return true;
}

}  // namespace worker_payload_detail

void DiscardWorkerPayload(UINT message, LPARAM lParam) {
    worker_payload_detail::Deleter deleter = nullptr;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        auto it = g_outstanding.find(Key{message, lParam});
        if (it == g_outstanding.end()) return;
        deleter = it->second.deleter;
        g_outstanding.erase(it);
    }
    deleter(reinterpret_cast<void*>(lParam));
}

bool WorkerPayloadOutstanding(UINT message, LPARAM lParam) {
    std::lock_guard<std::mutex> hold(g_lock);
    return g_outstanding.count(Key{message, lParam}) != 0;
}
