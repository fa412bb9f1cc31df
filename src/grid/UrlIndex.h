#pragma once
// A hash index over the keys of one of the catalogue's ordered URL maps or
// sets, built in one walk, for code that must look up every filed URL.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline uint64_t HashUrlText(std::wstring_view text) {
    uint64_t h = 1469598103934665603ull;
    for (wchar_t c : text) h = (h ^ static_cast<uint64_t>(c)) * 1099511628211ull;
    return h;
}

// Open addressing over the keys of one of the catalogue's ordered maps. A
// lookup in a 100,000-entry ordered map walks some 17 nodes scattered over
// the heap; this is one hash of the URL and usually one probe, with no
// allocation per entry.
class UrlIndex {
   public:
    UrlIndex() : slots_(1) {}  // empty: finds nothing
    template <class Map, class Value>
    UrlIndex(const Map& map, Value valueOf) {
        size_t capacity = 16;
        while (capacity < map.size() * 2) capacity *= 2;
        slots_.resize(capacity);
        mask_ = capacity - 1;
        for (const auto& entry : map) {
            const std::wstring* value = valueOf(entry);
            if (!value) continue;
            const std::wstring& key = KeyOf(entry);
            uint64_t hash = HashUrlText(key);
            size_t i = hash & mask_;
            while (slots_[i].key) i = (i + 1) & mask_;
            slots_[i] = Slot{&key, value, hash};
        }
    }

    const std::wstring* Find(const std::wstring& key) const {
        uint64_t hash = HashUrlText(key);
        for (size_t i = hash & mask_; slots_[i].key; i = (i + 1) & mask_)
            if (slots_[i].hash == hash && *slots_[i].key == key) return slots_[i].value;
        return nullptr;
    }

   private:
    struct Slot {
        const std::wstring* key = nullptr;
        const std::wstring* value = nullptr;
        uint64_t hash = 0;
    };
    static const std::wstring& KeyOf(const std::wstring& key) { return key; }
    template <class Pair>
    static const std::wstring& KeyOf(const Pair& entry) {
        return entry.first;
    }

    std::vector<Slot> slots_;
    size_t mask_ = 0;
};
