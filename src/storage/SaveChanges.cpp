#include "storage/SaveChanges.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "model/AppState.h"
#include "model/TextUtil.h"

// A save after a capture must not rewrite 100,000 rows to add one. The whole
// rewrite's outcome is reproduced row by row instead: groups, tags and rules
// (a handful of rows) are written as always; a URL row is written only when
// its values differ from the stored ones; tag links are added and removed by
// difference. Two effects of the whole rewrite that are not plain values are
// reproduced as well: the upsert of an unchanged URL still consumes one value
// of the table's AUTOINCREMENT sequence, and deleting a group row cascades to
// its URL rows, which are then inserted again with new ids.

namespace save_detail {

namespace {

// The catalogue's values for one URL row.
struct WantedUrlRow {
    const std::wstring* url = nullptr;
    int64_t groupRowId = 0;
    int position = 0;
    const std::wstring* title = nullptr;
    const std::wstring* created = nullptr;
    const std::wstring* updated = nullptr;
    const std::wstring* lastOpened = nullptr;
    const std::wstring* reminderDate = nullptr;
    int openCount = 0;
    int pinned = 0;
    int reminderAction = 0;
    int reminderRepeat = 0;
};

const std::wstring kNoText;

// Walks an ordered map alongside keys visited in ascending order, so that
// finding the values of every URL costs one pass instead of a search each.
template <typename Map>
class OrderedCursor {
   public:
    explicit OrderedCursor(const Map& map) : it_(map.begin()), end_(map.end()) {}
    const typename Map::mapped_type* Find(const std::wstring& key) {
        while (it_ != end_ && it_->first < key) ++it_;
        return it_ != end_ && it_->first == key ? &it_->second : nullptr;
    }

   private:
    typename Map::const_iterator it_, end_;
};

class SetCursor {
   public:
    explicit SetCursor(const std::set<std::wstring>& set) : it_(set.begin()), end_(set.end()) {}
    bool Contains(const std::wstring& key) {
        while (it_ != end_ && *it_ < key) ++it_;
        return it_ != end_ && *it_ == key;
    }

   private:
    std::set<std::wstring>::const_iterator it_, end_;
};

// The attribute values of URLs taken in ascending order (the order of
// allUrls), each map walked once.
class AttributeWalk {
   public:
    AttributeWalk()
        : titles_(g_app.titles), created_(g_app.createdAt), updated_(g_app.updatedAt),
          lastOpened_(g_app.lastOpenedAt), reminderDates_(g_app.reminderDates), openCounts_(g_app.openCounts),
          actions_(g_app.reminderActions), repeats_(g_app.reminderRepeats), pinned_(g_app.pinnedUrls) {}
    void Fill(const std::wstring& url, WantedUrlRow& w) {
        auto textOf = [](const std::wstring* found) { return found ? found : &kNoText; };
        w.url = &url;
        w.title = textOf(titles_.Find(url));
        w.created = textOf(created_.Find(url));
        w.updated = textOf(updated_.Find(url));
        w.lastOpened = textOf(lastOpened_.Find(url));
        w.reminderDate = textOf(reminderDates_.Find(url));
        const int* count = openCounts_.Find(url);
        w.openCount = count ? *count : 0;
        const ReminderAction* action = actions_.Find(url);
        w.reminderAction = action ? int(*action) : 0;
        const ReminderRepeat* repeat = repeats_.Find(url);
        w.reminderRepeat = repeat ? int(*repeat) : 0;
        w.pinned = pinned_.Contains(url) ? 1 : 0;
    }

   private:
    OrderedCursor<std::map<std::wstring, std::wstring>> titles_, created_, updated_, lastOpened_, reminderDates_;
    OrderedCursor<std::map<std::wstring, int>> openCounts_;
    OrderedCursor<std::map<std::wstring, ReminderAction>> actions_;
    OrderedCursor<std::map<std::wstring, ReminderRepeat>> repeats_;
    SetCursor pinned_;
};

// The values of one URL looked up directly, for the few rows that are written.
WantedUrlRow LookUpUrlRow(const std::wstring& url, int64_t groupRowId, int position) {
    WantedUrlRow w;
    auto text = [&](const std::map<std::wstring, std::wstring>& map) {
        auto it = map.find(url);
        return it == map.end() ? &kNoText : &it->second;
    };
    w.url = &url;
    w.groupRowId = groupRowId;
    w.position = position;
    w.title = text(g_app.titles);
    w.created = text(g_app.createdAt);
    w.updated = text(g_app.updatedAt);
    w.lastOpened = text(g_app.lastOpenedAt);
    w.reminderDate = text(g_app.reminderDates);
    w.openCount = IntOf(g_app.openCounts, url);
    w.reminderAction = IntOf(g_app.reminderActions, url);
    w.reminderRepeat = IntOf(g_app.reminderRepeats, url);
    w.pinned = g_app.pinnedUrls.count(url) ? 1 : 0;
    return w;
}

// Empty text is written as NULL.
bool SameText(const std::wstring& wanted, const std::optional<std::wstring>& stored) {
    if (wanted.empty()) return !stored.has_value();
    if (!stored) return false;
    std::wstring scratch;
    return StoredForm(wanted, scratch) == *stored;
}

// Whether the upsert would leave the stored values (all but the row's group
// and position) as they are.
bool ValuesUnchanged(const WantedUrlRow& w, const StoredUrlRow& s) {
    if (s.foreignTypes || s.openCount != w.openCount || s.pinned != w.pinned ||
        s.reminderAction != w.reminderAction || s.reminderRepeat != w.reminderRepeat)
        return false;
    const std::wstring& title = *w.title == *w.url ? kNoText : *w.title;
    // The stored creation stamp is kept once set; only a missing one is filled.
    bool createdKept = s.created.has_value() || w.created->empty();
    return createdKept && SameText(title, s.title) && SameText(*w.updated, s.updated) &&
           SameText(*w.lastOpened, s.lastOpened) && SameText(*w.reminderDate, s.reminderDate);
}

// First pass, in URL order: which stored rows hold other values than the
// catalogue. Rows not found here (new URLs) are written in any case.
void CompareStoredValues(StoredRows& rows) {
    AttributeWalk walk;
    WantedUrlRow w;
    std::wstring scratch;
    for (const std::wstring& url : g_app.allUrls) {
        auto stored = rows.urls.find(StoredForm(url, scratch));
        if (stored == rows.urls.end()) continue;
        walk.Fill(url, w);
        bool equal = ValuesUnchanged(w, stored->second);
        // Two catalogue URLs stored as one row: equal only if both are.
        if (stored->second.valuesCheckedBySave == rows.saveCount) equal &= stored->second.valuesEqual;
        stored->second.valuesCheckedBySave = rows.saveCount;
        stored->second.valuesEqual = equal;
    }
}

std::optional<std::wstring> StoredValue(const std::wstring& text) {
    if (text.empty()) return std::nullopt;
    std::wstring scratch;
    return StoredForm(text, scratch);
}

void RecordWrittenRow(const WantedUrlRow& w, StoredUrlRow& s) {
    const std::wstring& title = *w.title == *w.url ? kNoText : *w.title;
    s.groupRowId = w.groupRowId;
    s.sortOrder = w.position;
    s.openCount = w.openCount;
    s.pinned = w.pinned;
    s.reminderAction = w.reminderAction;
    s.reminderRepeat = w.reminderRepeat;
    s.title = StoredValue(title);
    if (!s.created) s.created = StoredValue(*w.created);
    s.updated = StoredValue(*w.updated);
    s.lastOpened = StoredValue(*w.lastOpened);
    s.reminderDate = StoredValue(*w.reminderDate);
    s.foreignTypes = false;
    // The row now holds exactly these values; a second catalogue URL stored
    // under the same text is compared again when it comes.
    s.valuesEqual = false;
    s.valuesCheckedBySave = 0;
}

void ForgetTagLinksOf(StoredRows& rows, const std::unordered_set<int64_t>& urlIds) {
    for (int64_t id : urlIds) rows.tagLinks.erase(id);
}

// Deleting a groups row deletes its urls rows (and their tag links) with it.
void ForgetRowsOfDeletedGroups(StoredRows& rows, const std::map<std::wstring, int64_t>& before,
                               const std::map<std::wstring, int64_t>& after) {
    std::unordered_set<int64_t> kept;
    for (const auto& [name, id] : after) kept.insert(id);
    std::unordered_set<int64_t> deleted;
    for (const auto& [name, id] : before)
        if (!kept.count(id)) deleted.insert(id);
    if (deleted.empty()) return;
    std::unordered_set<int64_t> urlIds;
    for (auto it = rows.urls.begin(); it != rows.urls.end();) {
        if (deleted.count(it->second.groupRowId)) {
            urlIds.insert(it->second.id);
            it = rows.urls.erase(it);
        } else {
            ++it;
        }
    }
    ForgetTagLinksOf(rows, urlIds);
}

// Each upsert of an unchanged row that is skipped would have taken one value
// of the urls sequence; the skipped values are taken in one update before
// the next real insert, so new rows get the ids the whole rewrite gives them.
class SequenceCatchUp {
   public:
    SequenceCatchUp(SaveTransaction& tx, sqlite3* db)
        : tx_(tx),
          db_(db),
          update_(db, "UPDATE sqlite_sequence SET seq = seq + ? WHERE name = 'urls';"),
          insert_(db, "INSERT INTO sqlite_sequence (name, seq) SELECT 'urls', COALESCE(MAX(id), 0) + ? FROM urls;") {}
    void Skip() { ++pending_; }
    bool Flush() {
        if (pending_ == 0) return true;
        if (!update_) return false;
        sqlite3_bind_int64(update_.get(), 1, pending_);
        bool ok = tx_.Step(update_.get());
        if (ok && sqlite3_changes(db_) == 0) {
            // No sequence row yet: the rewrite's attempts would have created it.
            if (!insert_) return false;
            sqlite3_bind_int64(insert_.get(), 1, pending_);
            ok = tx_.Step(insert_.get());
        }
        pending_ = 0;
        return ok;
    }

   private:
    SaveTransaction& tx_;
    sqlite3* db_;
    SqliteStatement update_, insert_;
    int64_t pending_ = 0;
};

// Second pass, in the rewrite's order (groups, then positions): writes the
// rows that are new, moved or changed, and keeps the sequence in step.
bool WriteChangedUrls(SaveTransaction& tx, sqlite3* db, StoredRows& rows,
                      const std::map<std::wstring, int64_t>& groupRowIds, bool& exact) {
    SqliteStatement upsert(db, kUrlUpsertSql);
    if (!upsert) return false;
    SequenceCatchUp sequence(tx, db);
    std::wstring scratch;
    for (const UrlGroup& group : g_app.groups) {
        auto groupRow = groupRowIds.find(group.name);
        if (groupRow == groupRowIds.end()) continue;  // as the whole rewrite: no groups row, no URL rows
        int position = 0;
        for (const std::wstring& url : group.urls) {
            if (!tx.Healthy()) return true;
            int at = position++;
            const std::wstring& key = StoredForm(url, scratch);
            auto stored = rows.urls.find(key);
            if (stored != rows.urls.end()) {
                StoredUrlRow& s = stored->second;
                s.visitedBySave = rows.saveCount;
                if (s.valuesCheckedBySave == rows.saveCount && s.valuesEqual && s.groupRowId == groupRow->second &&
                    s.sortOrder == at) {
                    sequence.Skip();
                    continue;
                }
            }
            if (!sequence.Flush()) exact = false;
            BindUrlRow(upsert.get(), groupRow->second, url, at);
            if (!tx.Step(upsert.get())) {
                exact = false;
                continue;
            }
            if (stored == rows.urls.end()) {
                stored = rows.urls.emplace(key, StoredUrlRow{}).first;
                stored->second.id = sqlite3_last_insert_rowid(db);
                stored->second.visitedBySave = rows.saveCount;
            }
            RecordWrittenRow(LookUpUrlRow(url, groupRow->second, at), stored->second);
        }
    }
    if (!sequence.Flush()) exact = false;
    return true;
}

// A stored URL text with U+FFFD may stand for a catalogue URL with an
// unpaired surrogate; those few are looked for the slow way.
bool CatalogueHoldsStoredUrl(const std::wstring& stored) {
    if (g_app.allUrls.count(stored)) return true;
    if (stored.find(L'\xFFFD') == std::wstring::npos) return false;
    std::wstring scratch;
    for (const std::wstring& url : g_app.allUrls)
        if (StoredForm(url, scratch) == stored) return true;
    return false;
}

void DeleteUrlsNotKept(SaveTransaction& tx, sqlite3* db, StoredRows& rows, bool& exact) {
    std::vector<std::wstring> gone;
    for (const auto& [url, row] : rows.urls)
        if (row.visitedBySave != rows.saveCount && !CatalogueHoldsStoredUrl(url)) gone.push_back(url);
    if (gone.empty()) return;
    SqliteStatement remove(db, "DELETE FROM urls WHERE url = ?;");
    if (!remove) {
        exact = false;
        return;
    }
    std::unordered_set<int64_t> urlIds;
    for (const std::wstring& url : gone) {
        if (!tx.Healthy()) return;
        BindText(remove.get(), 1, url);
        if (!tx.Step(remove.get())) {
            exact = false;
            continue;
        }
        auto it = rows.urls.find(url);
        urlIds.insert(it->second.id);
        rows.urls.erase(it);
    }
    ForgetTagLinksOf(rows, urlIds);
}

// Tag names by row id, read as stored; false when one of them is text this
// program would write differently, so that matching by name is not exact.
bool ReadTagRowIds(sqlite3* db, std::unordered_map<std::wstring, int64_t>& ids) {
    ids.clear();
    SqliteStatement query(db, "SELECT id, name FROM tags;");
    if (!query) return false;
    int rc;
    while ((rc = sqlite3_step(query.get())) == SQLITE_ROW) {
        const char* bytes = reinterpret_cast<const char*>(sqlite3_column_text(query.get(), 1));
        std::string_view raw(bytes ? bytes : "", (size_t)sqlite3_column_bytes(query.get(), 1));
        std::wstring name = ColumnText(query.get(), 1);
        if (sqlite3_column_type(query.get(), 1) != SQLITE_TEXT || Utf8FromWide(name) != raw) return false;
        ids[name] = sqlite3_column_int64(query.get(), 0);
    }
    return rc == SQLITE_DONE;
}

void ForgetLinksOfDeletedTags(StoredRows& rows, const std::unordered_map<std::wstring, int64_t>& before,
                              const std::unordered_map<std::wstring, int64_t>& after) {
    std::unordered_set<int64_t> kept;
    for (const auto& [name, id] : after) kept.insert(id);
    bool anyDeleted = false;
    for (const auto& [name, id] : before) anyDeleted |= !kept.count(id);
    if (!anyDeleted) return;
    for (auto& [urlId, links] : rows.tagLinks)
        std::erase_if(links.tagIds, [&](int64_t tagId) { return !kept.count(tagId); });
}

// The tag links of one URL row as the whole rewrite inserts them: the
// catalogue's tags of every URL stored under that text, in URL order and
// list order, each tag once (a repeated link is refused by the key), and
// only tags that have a row.
class WantedLinks {
   public:
    explicit WantedLinks(const std::unordered_map<std::wstring, int64_t>& tagIds) : tagIds_(tagIds) {}
    void Append(const std::vector<std::wstring>& tags, std::vector<int64_t>& links) {
        for (const std::wstring& tag : tags) {
            auto id = tagIds_.find(StoredForm(tag, scratch_));
            if (id != tagIds_.end() && std::find(links.begin(), links.end(), id->second) == links.end())
                links.push_back(id->second);
        }
    }

   private:
    const std::unordered_map<std::wstring, int64_t>& tagIds_;
    std::wstring scratch_;
};

// Writes a URL row's links again: all removed, then its tags in list order.
class LinkWriter {
   public:
    LinkWriter(SaveTransaction& tx, sqlite3* db)
        : tx_(tx), removeAll_(db, "DELETE FROM url_tags WHERE url_id = ?;"),
          insert_(db, "INSERT INTO url_tags (url_id, tag_id) VALUES (?, ?);") {}
    bool Ready() const { return removeAll_ && insert_; }
    // False when a statement failed.
    bool Rewrite(int64_t urlId, const std::vector<int64_t>& tagIdsInOrder) {
        bool ok = true;
        sqlite3_bind_int64(removeAll_.get(), 1, urlId);
        ok &= tx_.Step(removeAll_.get());
        for (int64_t tagId : tagIdsInOrder) {
            sqlite3_bind_int64(insert_.get(), 1, urlId);
            sqlite3_bind_int64(insert_.get(), 2, tagId);
            ok &= tx_.Step(insert_.get());
        }
        return ok;
    }

   private:
    SaveTransaction& tx_;
    SqliteStatement removeAll_, insert_;
};

// Every URL row's wanted links at once; needed only when two catalogue URLs
// share a row (they differ in unpaired surrogates, which the file cannot
// hold), so that their tags are joined as the whole rewrite joins them.
std::unordered_map<int64_t, std::vector<int64_t>> AllWantedLinks(const StoredRows& rows, WantedLinks& links) {
    std::unordered_map<int64_t, std::vector<int64_t>> wanted;
    std::wstring scratch;
    for (const auto& [url, tags] : g_app.urlTags) {
        if (tags.empty()) continue;
        auto row = rows.urls.find(StoredForm(url, scratch));
        if (row != rows.urls.end()) links.Append(tags, wanted[row->second.id]);
    }
    return wanted;
}

// Loading attaches a URL's tags in row order, so a URL whose links differ in
// any way, order included, has all its links written again in list order;
// the links of every other URL stay as they are.
void WriteChangedTagLinks(SaveTransaction& tx, sqlite3* db, StoredRows& rows,
                          const std::unordered_map<std::wstring, int64_t>& tagIds, bool& exact) {
    LinkWriter writer(tx, db);
    if (!writer.Ready()) {
        exact = false;
        return;
    }
    auto update = [&](int64_t urlId, StoredRows::Links& stored, const std::vector<int64_t>& want) {
        if (want == stored.tagIds) return;
        if (!writer.Rewrite(urlId, want)) exact = false;
        stored.tagIds = want;
    };
    WantedLinks links(tagIds);
    std::vector<int64_t> want;
    std::wstring scratch;
    bool shared = false;
    for (const auto& [url, tags] : g_app.urlTags) {
        if (!tx.Healthy()) return;
        if (tags.empty()) continue;
        auto row = rows.urls.find(StoredForm(url, scratch));
        if (row == rows.urls.end()) continue;
        StoredRows::Links& stored = rows.tagLinks[row->second.id];
        if (stored.visitedBySave == rows.saveCount) {
            shared = true;
            break;
        }
        stored.visitedBySave = rows.saveCount;
        want.clear();
        links.Append(tags, want);
        update(row->second.id, stored, want);
    }
    if (shared) {
        auto wanted = AllWantedLinks(rows, links);
        for (auto& [urlId, stored] : rows.tagLinks) {
            auto it = wanted.find(urlId);
            update(urlId, stored, it == wanted.end() ? std::vector<int64_t>{} : it->second);
            stored.visitedBySave = rows.saveCount;
        }
        for (const auto& [urlId, tagIdsInOrder] : wanted) {
            StoredRows::Links& stored = rows.tagLinks[urlId];
            stored.visitedBySave = rows.saveCount;
            update(urlId, stored, tagIdsInOrder);
        }
    }
    // Links of URLs that no longer have tags.
    for (auto& [urlId, stored] : rows.tagLinks) {
        if (!tx.Healthy()) return;
        if (stored.visitedBySave != rows.saveCount) update(urlId, stored, {});
    }
    std::erase_if(rows.tagLinks, [](const auto& entry) { return entry.second.tagIds.empty(); });
}

}  // namespace

ChangeWrite WriteCatalogueChanges(SaveTransaction& tx, sqlite3* db, StoredRows& rows) {
    std::unordered_map<std::wstring, int64_t> tagsBefore;
    if (!ReadTagRowIds(db, tagsBefore)) return ChangeWrite::UseWholeWrite;
    ++rows.saveCount;
    bool exact = true;

    std::map<std::wstring, int64_t> groupsBefore = GroupRowIds(tx, db);
    if (!WriteGroups(tx, db)) return ChangeWrite::Abandon;
    if (tx.Healthy()) DeleteGroupsNotKept(tx, db);
    if (!tx.Healthy()) return ChangeWrite::Abandon;
    std::map<std::wstring, int64_t> groupRowIds = GroupRowIds(tx, db);
    ForgetRowsOfDeletedGroups(rows, groupsBefore, groupRowIds);

    CompareStoredValues(rows);
    if (!WriteChangedUrls(tx, db, rows, groupRowIds, exact)) return ChangeWrite::Abandon;
    if (tx.Healthy()) DeleteUrlsNotKept(tx, db, rows, exact);

    if (tx.Healthy()) WriteTags(tx, db);
    if (tx.Healthy()) DeleteTagsNotKept(tx, db);
    std::unordered_map<std::wstring, int64_t> tagIds;
    if (tx.Healthy()) {
        if (ReadTagRowIds(db, tagIds)) {
            ForgetLinksOfDeletedTags(rows, tagsBefore, tagIds);
            WriteChangedTagLinks(tx, db, rows, tagIds, exact);
        } else {
            exact = false;
        }
    }
    WriteAllRules(tx, db);
    if (!tx.Healthy()) return ChangeWrite::Abandon;
    return exact ? ChangeWrite::Done : ChangeWrite::Inexact;
}

}  // namespace save_detail
