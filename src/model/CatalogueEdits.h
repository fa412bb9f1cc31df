#pragma once
// Removing and moving URLs, by their text. The edits on the grid's selection
// are built on these; neither records undo nor saves.
#include <string>
#include <vector>

// Takes the URLs out of their groups with every attribute. A URL named n
// times loses its first n entries, as if "remove the first entry equal to
// it" were repeated n times.
void RemoveUrls(const std::vector<std::wstring>& urls);

struct UrlPlace {
    int groupId;
    std::wstring url;
};
// Appends each URL, in order, to the group with `targetGroupId` and takes
// one entry of it out of the group it came from; URLs that already sit in the
// target stay where they are. Nothing happens when the target does not exist.
void MoveUrls(const std::vector<UrlPlace>& sources, int targetGroupId);
