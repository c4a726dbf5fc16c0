#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/tags.h"
#include "common/target_menus.h"
#include "editor/layout_table.h"
#include "engine/parameter_table.h"
#include "engine/program_record.h"

using namespace tarlix;

namespace {

struct NamedTag {
    const char* constant;
    int tag;
    const char* text;
};

#define TARLIX_TAG_ENTRY(name, number, text) {#name, number, text},
constexpr NamedTag kNamedTags[] = {TARLIX_TAGS(TARLIX_TAG_ENTRY)};
#undef TARLIX_TAG_ENTRY

// The control row of each tag (directives are not controls).
std::map<int, const LayoutRecord*> controlRows() {
    std::map<int, const LayoutRecord*> rows;
    for (int r = 0; r < kLayoutRowCount; ++r)
        if (kLayoutTable[r].kind < kFirstDirectiveKind)
            rows[layoutTag(kLayoutTable[r])] = &kLayoutTable[r];
    return rows;
}

// A control's name, or for a control without one the first line of its tooltip.
std::string textOf(const LayoutRecord& r) {
    if (r.name) return r.name;
    const std::string tip = r.tooltip ? r.tooltip : "";
    return tip.substr(0, tip.find('\n'));
}

} // namespace

TEST(Tags, EachNameMatchesItsLayoutRow) {
    const auto rows = controlRows();
    for (const NamedTag& t : kNamedTags) {
        const auto row = rows.find(t.tag);
        if (!t.text) {
            EXPECT_EQ(row, rows.end()) << t.constant << " names a value without a control";
            continue;
        }
        ASSERT_NE(row, rows.end()) << t.constant << ": no control row for tag " << t.tag;
        EXPECT_EQ(textOf(*row->second), t.text) << t.constant;
    }
}

TEST(Tags, OneNamePerTagAndEveryUsedParameterNamed) {
    std::set<int> tags;
    std::set<std::string> constants;
    for (const NamedTag& t : kNamedTags) {
        EXPECT_TRUE(tags.insert(t.tag).second) << "tag " << t.tag << " named twice";
        EXPECT_TRUE(constants.insert(t.constant).second) << t.constant;
        EXPECT_GE(t.tag, 0);
        EXPECT_LT(t.tag, kNumEngineValues);
    }
    for (int p = 0; p < kNumAutomatable; ++p)
        EXPECT_EQ(tags.count(p), 1u) << "parameter " << p << " has no name";
    // A spare parameter gets a name only when a control uses it (the window's zoom).
    const auto rows = controlRows();
    for (int p = kNumAutomatable; p < kNumParams; ++p)
        if (tags.count(p)) {
            EXPECT_EQ(rows.count(p), 1u) << "spare parameter " << p << " is named";
        }
}

TEST(Tags, MpeValuesOfEveryMemberChannel) {
    const auto rows = controlRows();
    for (int ch = 1; ch <= tag::kMpeMemberChannels; ++ch) {
        const std::string n = std::to_string(ch);
        ASSERT_TRUE(rows.count(tag::mpeBend(ch)) && rows.count(tag::mpeAft(ch)) &&
                    rows.count(tag::mpeCc74(ch)));
        EXPECT_EQ(textOf(*rows.at(tag::mpeBend(ch))), "MPE:Bend#" + n);
        EXPECT_EQ(textOf(*rows.at(tag::mpeAft(ch))), "MPE:Aft#" + n);
        EXPECT_EQ(textOf(*rows.at(tag::mpeCc74(ch))), "MPE:CC74#" + n);
    }
}

namespace {

struct TargetItem {
    const char* constant;
    int value;
    const char* text;
};

// Every item of a target menu against the option list of each parameter that shows it.
void expectMenu(const std::vector<TargetItem>& items, std::initializer_list<int> menus) {
    const ParameterLookup& lookup = instrumentParameterLookup();
    for (int tag : menus) {
        const LayoutRecord& row = lookup.rowOf(tag);
        EXPECT_EQ(countOptions(row.options), static_cast<int>(items.size())) << row.name;
        for (const TargetItem& item : items) {
            char text[64];
            ASSERT_TRUE(optionItem(row.options, item.value, text, sizeof text - 1))
                << item.constant;
            EXPECT_STREQ(text, item.text) << row.name << " " << item.constant;
        }
    }
}

} // namespace

TEST(Tags, TargetMenusMatchTheirOptionLists) {
#define TARLIX_TARGET_ENTRY(name, text) {#name, ns::name, text},
    {
        namespace ns = lfoTarget;
        expectMenu({TARLIX_LFO_TARGETS(TARLIX_TARGET_ENTRY)}, {tag::kLfo1Target, tag::kLfo2Target});
    }
    {
        namespace ns = lfo3Target;
        expectMenu({TARLIX_LFO3_TARGETS(TARLIX_TARGET_ENTRY)}, {tag::kLfo3Target});
    }
    {
        namespace ns = envTarget;
        expectMenu({TARLIX_ENV_TARGETS(TARLIX_TARGET_ENTRY)}, {tag::kEnv1Target, tag::kEnv2Target});
    }
    {
        namespace ns = hfoTarget;
        expectMenu({TARLIX_HFO_TARGETS(TARLIX_TARGET_ENTRY)}, {tag::kHfoTarget});
    }
#undef TARLIX_TARGET_ENTRY
}
