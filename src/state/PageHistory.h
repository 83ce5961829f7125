#pragma once
// The page history: seven parallel arrays of 61 slots, each slot a snapshot of the current
// document. Slot 30 is the current one, 31..60 the back side (31 newest), 29..0 the
// forward side (29 next). A slot is occupied when its ReadPosition is 1 or more.
#include <QString>
#include <array>
#include <cstdint>

#include "state/PageRecord.h"
#include "state/ViewerState.h"

struct PageHistory {
    static constexpr int kSlots = 61;
    static constexpr int kCurrent = 30;
    int HistoryDepth = 30;
    bool HistoryOnFetch = false;
    std::array<QString, kSlots> PageUrl;
    std::array<QString, kSlots> PageStartList;
    std::array<QString, kSlots> CurrentText;
    std::array<int32_t, kSlots> ReadPosition{};
    std::array<QString, kSlots> PageHtml;
    std::array<QString, kSlots> PageRequestUrl;
    std::array<QString, kSlots> PageTitle;

    bool occupied(int slot) const { return ReadPosition[slot] >= 1; }
    void clearSlot(int slot)
    {
        PageUrl[slot].clear();
        PageStartList[slot].clear();
        CurrentText[slot].clear();
        ReadPosition[slot] = 0;
        PageHtml[slot].clear();
        PageRequestUrl[slot].clear();
        PageTitle[slot].clear();
    }
    void copySlot(int from, int to)
    {
        PageUrl[to] = PageUrl[from];
        PageStartList[to] = PageStartList[from];
        CurrentText[to] = CurrentText[from];
        ReadPosition[to] = ReadPosition[from];
        PageHtml[to] = PageHtml[from];
        PageRequestUrl[to] = PageRequestUrl[from];
        PageTitle[to] = PageTitle[from];
    }
    // The current document (page record and viewer state) into a slot.
    void store(int slot, const PageRecord& page, const ViewerState& viewer)
    {
        PageUrl[slot] = page.PageUrl;
        PageStartList[slot] = viewer.PageStartList;
        CurrentText[slot] = viewer.CurrentText;
        ReadPosition[slot] = viewer.ReadPosition;
        PageHtml[slot] = page.PageHtml;
        PageRequestUrl[slot] = page.PageRequestUrl;
        PageTitle[slot] = page.PageTitle;
    }
};
