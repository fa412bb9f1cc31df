#pragma once
// Shared fixture of the grid row and column tests: every test starts from an
// empty catalogue, a fresh grid state, default settings and no settings file.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "grid/GridState.h"
#include "model/AppState.h"
#include "settings/Settings.h"

class GridRowsTest : public ::testing::Test {
   protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset() {
        g_app = AppState{};
        g_grid = GridState{};
        g_settings = Settings{};
        DeleteFileW(SettingsFilePath().c_str());
    }

    // Appends a group holding `urls` in that order, straight into the
    // catalogue (no refresh, no favicon fetch); returns its id.
    static int AddGroup(const std::wstring& name, const std::vector<std::wstring>& urls) {
        UrlGroup group;
        group.id = g_app.nextGroupId++;
        group.name = name;
        group.urls = urls;
        for (const auto& url : urls) g_app.allUrls.insert(url);
        g_app.groups.push_back(group);
        return group.id;
    }

    static std::vector<std::wstring> VisibleUrls() {
        std::vector<std::wstring> urls;
        for (const auto& row : g_grid.visibleRows) urls.push_back(row.url);
        return urls;
    }

    static bool SettingsFileExists() {
        return GetFileAttributesW(SettingsFilePath().c_str()) != INVALID_FILE_ATTRIBUTES;
    }
};
