#pragma once

#include "platform/PageCanvas.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <functional>

namespace kvt7 {

class MessageCatalogue;

constexpr int kListedGroups = 99;
constexpr int kListedSmPrograms = 20;
constexpr int kListedSmSteps = 16;

struct ListedGroup {
    int start = 0;
    int end = 0;
};

// The group listing's own copy: groups 1..99 at index 0..98.
struct GroupListing {
    std::array<ListedGroup, kListedGroups> groups{};
    QString fileName;  // without folder; empty for the data on screen
    QDateTime printedAt;
};

struct SmStepValue {
    int code = 0;
    int data = 0;
};

// The S/M listing's own copy: programs 1..20, steps 1..16 at index 0.
struct SmListing {
    std::array<std::array<SmStepValue, kListedSmSteps>, kListedSmPrograms> programs{};
    QString fileName;
    QDateTime printedAt;
    int first = 1;  // the programs printed
    int last = kListedSmPrograms;
};

// The command list's entry of a code: "0. END" for 0 and 15, "1. IN-ON" .. "6. TIMER10";
// any other code (only a file can hold one) prints as its number.
QString ListedSmCommandText(int code);

// One page: both columns of groups under the common header.
void LayoutGroupListing(PageCanvas& canvas, const GroupListing& listing, const MessageCatalogue& messages);
// Nine programs a page in rows of three, a page number on each.
void LayoutSmListing(PageCanvas& canvas, const SmListing& listing, const MessageCatalogue& messages);

}  // namespace kvt7
