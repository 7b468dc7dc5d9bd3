#include <gtest/gtest.h>

#include <algorithm>

#include "patternkit/ProcedureSplitter.h"
#include "tests/patternkit/RecordingConstructor.h"

namespace {

using Lines = std::vector<std::string>;

// Resolves "&Big" to 30000 characters, as a long value of the model would stand in a line.
struct ResolvingEngine : testing_support::RecordingConstructor {
    std::string CreateTokenStr(std::string_view line) override {
        return line == "&Big" ? std::string(30000, 'b') : std::string(line);
    }
    void Code(std::string_view line) override { lines.push_back(CreateTokenStr(line)); }
};

// Writes the procedure "GetP" with the head "H", the tail "T" and one line per item.
Lines Written(const Lines& items, patternkit::ProcedureSplitter& splitter, ResolvingEngine& engine,
              std::function<bool(size_t)> stays = {}) {
    engine.lines.clear();
    const patternkit::Emitter out(splitter);
    splitter.Write({.name = "GetP",
                    .head = [&] { out.EmitLine("H"); },
                    .items = items.size(),
                    .item = [&](size_t item) { out.EmitLine(items[item]); },
                    .tail = [&] { out.EmitLine("T"); },
                    .stays = stays});
    return engine.lines;
}

std::string Xs(size_t count) {
    return std::string(count, 'x');
}

TEST(ProcedureSplitter, SplitsOnlyWhatItsSourceWouldMakeTooLarge) {
    struct Row {
        const char* what;
        Lines items;
        size_t parts;
    };
    std::string accents;
    for (int i = 0; i < 29995; ++i)
        accents += "\xC3\xA9";  // one byte in the module, two in UTF-8
    const Row rows[] = {
        {"exactly the safe size", {Xs(29995), Xs(29995)}, 0},
        {"a byte more", {Xs(29995), Xs(29996)}, 2},
        {"a line break ends a line of its own", {Xs(29991) + "\ny", Xs(29997)}, 2},
        {"tokens as the engine resolves them", {"&Big", "&Big"}, 2},
        {"characters, not UTF-8 bytes", {accents, accents}, 0},
        {"many small items", Lines(1000, Xs(150)), 3},
    };
    for (const Row& row : rows) {
        ResolvingEngine engine;
        patternkit::ProcedureSplitter splitter(engine);
        const Lines lines = Written(row.items, splitter, engine);
        EXPECT_EQ(std::ranges::count(lines, "End Sub"), static_cast<long>(row.parts)) << row.what;
        EXPECT_EQ(lines.front(), "H") << row.what;
    }
}

TEST(ProcedureSplitter, SplitProcedureCallsItsPartsThatHoldTheItemsInOrder) {
    const Lines items = {Xs(25000), "E", Xs(25001), Xs(25002)};
    struct Row {
        std::function<bool(size_t)> stays;
        Lines lines;
    };
    const Row rows[] = {
        {{},
         {"H", "    GetP_1", "    GetP_2", "T", "Private Sub GetP_1()", items[0], "E", items[2], "End Sub",
          "Private Sub GetP_2()", items[3], "End Sub"}},
        {[](size_t item) { return item == 1; },
         {"H", "    GetP_1", "E", "    GetP_2", "T", "Private Sub GetP_1()", items[0], "End Sub",
          "Private Sub GetP_2()", items[2], items[3], "End Sub"}},
    };
    for (const Row& row : rows) {
        ResolvingEngine engine;
        patternkit::ProcedureSplitter splitter(engine);
        EXPECT_EQ(Written(items, splitter, engine, row.stays), row.lines);
    }
}

// A part's name ends in no name of the model and is no other part's name in the module.
TEST(ProcedureSplitter, NamesPartsApartFromTheModuleMembers) {
    struct Row {
        Lines modelNames;
        bool sameModule;
        Lines calls;
    };
    const Row rows[] = {
        {{}, false, {"    GetP_1", "    GetP_2"}},
        {{"p_2"}, false, {"    GetP_1", "    GetP__2"}},
        {{"Xp_1"}, false, {"    GetP_1", "    GetP_2"}},
        {{}, true, {"    GetP__1", "    GetP__2"}},
    };
    for (const Row& row : rows) {
        ResolvingEngine engine;
        patternkit::ProcedureSplitter splitter(engine);
        splitter.AvoidNamesEndingIn(row.modelNames);
        const Lines items = {Xs(40000), Xs(40000)};
        Written(items, splitter, engine);
        if (!row.sameModule)
            splitter.StartCoding();
        const Lines lines = Written(items, splitter, engine);
        EXPECT_EQ(Lines(lines.begin() + 1, lines.begin() + 3), row.calls);
    }
}

}  // namespace

// Lines are generated once to be measured and written; a split writes again only the head, the tail and
// the items that stay.
TEST(ProcedureSplitter, RunsEachCallbackOnceUnlessASplitWritesItAgain) {
    struct Row {
        const char* what;
        Lines items;
        std::function<bool(size_t)> stays;
        std::vector<int> runs;  // of the head, each item, the tail
    };
    const Row rows[] = {
        {"whole", {"a", "b"}, {}, {1, 1, 1, 1}},
        {"split", {Xs(40000), Xs(40000)}, {}, {2, 1, 1, 2}},
        {"split round an item that stays",
         {Xs(40000), "E", Xs(40000)},
         [](size_t i) { return i == 1; },
         {2, 1, 2, 1, 2}},
    };
    for (const Row& row : rows) {
        ResolvingEngine engine;
        patternkit::ProcedureSplitter splitter(engine);
        const patternkit::Emitter out(splitter);
        std::vector<int> runs(row.items.size() + 2);
        const auto line = [&](size_t slot, std::string_view text) {
            ++runs[slot];
            out.EmitLine(text);
        };
        splitter.Write({.name = "GetP",
                        .head = [&] { line(0, "H"); },
                        .items = row.items.size(),
                        .item = [&](size_t i) { line(i + 1, row.items[i]); },
                        .tail = [&] { line(runs.size() - 1, "T"); },
                        .stays = row.stays});
        EXPECT_EQ(runs, row.runs) << row.what;
    }
}
