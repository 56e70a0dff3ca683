#include "ui/VnGridModel.h"
#include "ui/VnGridRules.h"
#include "ui/VnMarkerExpander.h"
#include "ui/VnNavigationHistory.h"

#include "VnGridProjectFixture.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QStringList ShownContexts(TVnGridModel &model) {
  QStringList contexts;
  for (int i = 0; i < model.rowCount(); ++i)
    contexts << model.data(model.index(i, rfName), Qt::DisplayRole).toString();
  return contexts;
}

TEST(VnGridRules, StatusesCycle) {
  const struct {
    const char *From, *Trans, *Row;
  } cases[] = {
      {"", "fuzzy", "new"},           {"fuzzy", "auto", "fuzzy"},         {"auto", "translated", "auto"},
      {"translated", "qaed", "translated"}, {"qaed", "ready", "qaed"},    {"ready", "fuzzy", "ready"},
      {"new", "new", "active"},       {"active", "active", "changed"},    {"changed", "changed", "removed"},
      {"removed", "removed", "new"},  {"odd", "odd", "odd"},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(VnNextTransStatus(QLatin1String(c.From)), QLatin1String(c.Trans)) << c.From;
    EXPECT_EQ(VnNextRowStatus(QLatin1String(c.From)), QLatin1String(c.Row)) << c.From;
  }
}

TEST(VnGridRules, LengthCheckColoursGrowDeeperAndStopAtTwiceTheThreshold) {
  const struct {
    int Native, Translation;
    bool Enabled;
    int Red, Green; // -1: no colour
  } cases[] = {
      {10, 15, true, 182, 216}, {10, 30, true, 111, 168}, {10, 100, true, 111, 168},
      {10, 12, true, -1, -1},   {10, 15, false, -1, -1},  {0, 15, true, -1, -1},
  };
  for (const auto &c : cases) {
    const auto colour =
        VnLengthCheckColour(QString(c.Native, QLatin1Char('a')), QString(c.Translation, QLatin1Char('b')), {c.Enabled, 20});
    if (c.Red < 0) {
      EXPECT_FALSE(colour.has_value()) << c.Translation;
      continue;
    }
    ASSERT_TRUE(colour.has_value()) << c.Translation;
    EXPECT_EQ(*colour, QColor(c.Red, c.Green, 255)) << c.Translation;
  }
  // A negative allowance counts as none, instead of dividing by zero.
  for (int percent : {-90, -95, -100, 0})
    EXPECT_EQ(VnLengthCheckColour(QStringLiteral("aaaaaaaaaa"), QString(15, QLatin1Char('b')), {true, percent}),
              QColor(182, 216, 255))
        << percent;
}

TEST(VnGridRules, HeaderDoubleClicksCycleTheSortAndEditorTextKeepsItsCharacters) {
  const struct {
    TVnSortState From;
    int Column;
    TVnSortState To;
  } cases[] = {
      {{-1, false}, 2, {2, false}}, {{2, false}, 2, {2, true}}, {{2, true}, 2, {-1, false}}, {{2, true}, 1, {1, false}}};
  for (const auto &c : cases)
    EXPECT_EQ(VnNextSort(c.From, c.Column), c.To) << c.From.Column << c.Column;
  // Line breaks come back as stored; no-break spaces and middle dots stay.
  EXPECT_EQ(VnLineBreaks(QStringLiteral("a\r\nb\rc\nd\u2028e\r")),
            (QStringList{"\r\n", "\r", "\n", QString(QChar(0x2028)), "\r"}));
  const struct {
    const char *Stored;  // what the editor was filled with
    const char *Typed;   // appended in the editor, "|" for a new line
    const char *Style;   // the break new lines get
    const char *Written;
  } breakCases[] = {
      {"a\u00A0b\r\nl\u00B7l", "", "\r\n", "a\u00A0b\r\nl\u00B7l"},
      {"a\rb", "!", "\n", "a\rb!"},                  // a lone CR stays one
      {"a\r\nb\nc", "!", "\r\n", "a\r\nb\nc!"},     // mixed breaks stay mixed
      {"a\u2028b", "", "\n", "a\u2028b"},
      {"a\nb", "|c", "\n", "a\nb\nc"},               // one more line: all take the style
      {"a\r\nb", "|c", "\r\n", "a\r\nb\r\nc"},
      {"x", "|y", "\r\n", "x\r\ny"},
  };
  for (const auto &c : breakCases) {
    const QString stored = QString::fromUtf8(c.Stored);
    // The editor holds one separator per break.
    QString raw = VnTextForEditor(stored) + QString::fromUtf8(c.Typed).replace(QLatin1Char('|'), QChar::ParagraphSeparator);
    for (QChar &ch : raw)
      if (ch == QLatin1Char('\n') || ch == QLatin1Char('\r'))
        ch = QChar::ParagraphSeparator;
    EXPECT_EQ(VnTextFromEditor(raw, VnLineBreaks(stored), QString::fromUtf8(c.Style)), QString::fromUtf8(c.Written))
        << c.Stored << " + " << c.Typed;
  }
}

class VnGridModelTest : public ::testing::Test {
protected:
  void SetUp() override {
    VnLoadTestProject(FProject, VnTestTargetXml(
                                    "a.rc", {
                                                {"Form1", "Open", "Offen", "status=\"new\"", "status=\"fuzzy\""},
                                                {"Form1.Button1", "xABCy", "", "readonly=\"yes\""},
                                                {"Form10.Label", "CAPS", "KAPPE", "comment=\"c\"", "status=\"ready\""},
                                                {"Gone", "Gone", "Weg", "status=\"removed\""},
                                                {"Other", "Same", "Eins", "status=\"changed\""},
                                                {"Other2", "same", "eins", "", "comment=\"tc\""},
                                                {"Other3", "Twin", "T"},
                                                {"Other4", "Twin", "T"},
                                            }));
  }
  TVnV7Project FProject;
};

TEST_F(VnGridModelTest, VisibilityFollowsPrefixFiltersAndRemovedRows) {
  const struct {
    const char *Prefix, *Filter;
    int Column, RowBits, TransBits;
    bool ReadOnly, Commented, Caps;
    const char *Shown;
  } cases[] = {
      {"", "", 1, 0, 0, false, false, false, "Form1 Form1.Button1 Form10.Label Other Other2 Other3 Other4"},
      {"form1", "", 1, 0, 0, false, false, false, "Form1 Form1.Button1"},
      {"", "abc", 1, 0, 0, false, false, false, "Form1.Button1"},
      {"", "eins", 2, 0, 0, false, false, false, "Other Other2"},
      {"", "", 1, 0b0101, 0, false, false, false, "Form1.Button1 Form10.Label Other2 Other3 Other4"},
      {"", "", 1, 0, 0b10001, false, false, false, "Form1.Button1 Other Other2 Other3 Other4"},
      {"", "", 1, 0, 0, true, false, false, "Form1 Form10.Label Other Other2 Other3 Other4"},
      {"", "", 1, 0, 0, false, true, false, "Form10.Label Other2"},
      {"", "", 1, 0, 0, false, false, true, "Form10.Label"},
      {"", "gone", 1, 0, 0, false, false, false, ""},
  };
  TVnGridModel model(FProject);
  for (const auto &c : cases) {
    TVnFilterConfig &filter = model.FilterConfig();
    model.SetContextPrefix(QLatin1String(c.Prefix), false);
    filter.SetFilteringColumn(c.Column);
    filter.SetRowFilterInt(c.RowBits);
    filter.SetTranslationFilterInt(c.TransBits);
    filter.SetReadOnlyFilter(c.ReadOnly);
    filter.SetCommentedRowsFilter(c.Commented);
    filter.SetCapsFilter(c.Caps);
    filter.SetFilter(QLatin1String(c.Filter));
    EXPECT_EQ(ShownContexts(model).join(QLatin1Char(' ')), QLatin1String(c.Shown)) << c.Prefix << "/" << c.Filter;
    EXPECT_EQ(model.RemovedCount(), 1);
  }
}

TEST_F(VnGridModelTest, ValidationFiltersKeepRowsWithTheChosenResults) {
  TVnGridModel model(FProject);
  // Without the engine the filters pass every row.
  model.FilterConfig().SetValidationErrorsFilter(true);
  EXPECT_EQ(model.rowCount(), 7);
  // Row 4 has an error, row 5 a warning, the rest pass.
  model.ValidateRow = [](int row) { return row == 4 ? 2 : row == 5 ? 1 : 0; };
  const struct {
    bool Errors, Warnings;
    const char *Shown;
  } cases[] = {{true, false, "Other"}, {false, true, "Other2"}, {true, true, "Other Other2"}};
  for (const auto &c : cases) {
    model.FilterConfig().SetValidationErrorsFilter(c.Errors);
    model.FilterConfig().SetValidationWarnsFilter(c.Warnings);
    EXPECT_EQ(ShownContexts(model).join(QLatin1Char(' ')), QLatin1String(c.Shown));
  }
}

TEST_F(VnGridModelTest, SameNativeFilterKeepsGroupsWhoseTranslationsDiffer) {
  TVnGridModel model(FProject);
  model.FilterConfig().SetSameNativeFilter(true);
  // "Same"/"same" differ in case in both texts: shown. The two "Twin" rows agree: hidden.
  EXPECT_EQ(ShownContexts(model), (QStringList{"Other", "Other2"}));
}

TEST_F(VnGridModelTest, SortingCyclesAscendingDescendingAndProjectOrder) {
  TVnGridModel model(FProject);
  model.FilterConfig().SetFilter(QStringLiteral("o"));
  model.FilterConfig().SetFilteringColumn(rfName);
  model.SetSortColumn(rfNative, Qt::AscendingOrder);
  // Equal texts ("Twin") keep project order, next to each other.
  const QStringList ascending = ShownContexts(model);
  EXPECT_EQ(ascending.indexOf(QStringLiteral("Other3")) + 1, ascending.indexOf(QStringLiteral("Other4")));
  EXPECT_LT(ascending.indexOf(QStringLiteral("Form10.Label")), ascending.indexOf(QStringLiteral("Form1"))); // CAPS < Open
  model.SetSortColumn(rfName, Qt::DescendingOrder);
  EXPECT_EQ(ShownContexts(model),
            (QStringList{"Other4", "Other3", "Other2", "Other", "Form10.Label", "Form1.Button1", "Form1"}));
  model.SetSortColumn(-1, Qt::AscendingOrder);
  EXPECT_EQ(ShownContexts(model),
            (QStringList{"Form1", "Form1.Button1", "Form10.Label", "Other", "Other2", "Other3", "Other4"}));
}

TEST_F(VnGridModelTest, CellsCarryColoursCommentMarksAndCaptions) {
  TVnGridModel model(FProject);
  model.SetLengthCheck({true, 20});
  model.RefreshView();
  const int form1 = model.PositionOfRow(0), button = model.PositionOfRow(1), caps = model.PositionOfRow(2);
  EXPECT_EQ(model.data(model.index(button, rfNative), Qt::BackgroundRole).value<QColor>(), QColor(192, 192, 192));
  // "Offen" is 5/4 of "Open": within 1.2? No: 1.25 > 1.2 gives a light blue.
  EXPECT_EQ(model.data(model.index(form1, rfTranslation), Qt::BackgroundRole).value<QColor>(),
            *VnLengthCheckColour(QStringLiteral("Open"), QStringLiteral("Offen"), {true, 20}));
  EXPECT_FALSE(model.data(model.index(form1, rfNative), Qt::BackgroundRole).isValid());
  EXPECT_TRUE(model.data(model.index(caps, rfNative), TVnGridModel::CommentRole).toBool());
  EXPECT_FALSE(model.data(model.index(caps, rfTranslation), TVnGridModel::CommentRole).toBool());
  EXPECT_FALSE(model.flags(model.index(button, rfTranslation)) & Qt::ItemIsEditable);
  EXPECT_TRUE(model.flags(model.index(form1, rfTranslation)) & Qt::ItemIsEditable);
  EXPECT_EQ(model.columnCount(), 14);
  EXPECT_EQ(model.headerData(rfTranslation, Qt::Horizontal, Qt::DisplayRole).toString(),
            QStringLiteral("Translation (German)"));
  EXPECT_EQ(model.headerData(13, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Preview (French)"));
  EXPECT_EQ(model.headerData(rfRowStatus, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Row Status"));
  model.CellColour = [](int row, int column) -> std::optional<QColor> {
    return row == 4 && column == 1 ? std::optional<QColor>(Qt::red) : std::nullopt;
  };
  EXPECT_EQ(model.data(model.index(model.PositionOfRow(4), rfNative), Qt::BackgroundRole).value<QColor>(),
            QColor(Qt::red));
}

TEST_F(VnGridModelTest, EditsGoBackVerbatimAndStatusesToggle) {
  TVnGridModel model(FProject);
  model.RefreshView();
  const QModelIndex cell = model.index(model.PositionOfRow(4), rfTranslation);
  // A real middle dot, as in Catalan "l·l", is text, not a whitespace symbol.
  ASSERT_TRUE(model.setData(cell, QStringLiteral("col·lecció amb espai"), Qt::EditRole));
  EXPECT_EQ(FProject.GetRowValue(4, rfTranslation), QStringLiteral("col·lecció amb espai"));
  EXPECT_EQ(FProject.GetRowValue(4, rfTransStatus), QStringLiteral("translated"));
  EXPECT_FALSE(model.setData(cell, QStringLiteral("col·lecció amb espai"), Qt::EditRole));
  model.ToggleStatuses({0, 2, 4}, true, true);
  EXPECT_EQ(FProject.GetRowValue(0, rfRowStatus), QStringLiteral("active"));
  EXPECT_EQ(FProject.GetRowValue(0, rfTransStatus), QStringLiteral("auto"));
  EXPECT_EQ(FProject.GetRowValue(2, rfRowStatus), QStringLiteral("new"));
  EXPECT_EQ(FProject.GetRowValue(2, rfTransStatus), QStringLiteral("fuzzy"));
  EXPECT_EQ(FProject.GetRowValue(4, rfTransStatus), QStringLiteral("qaed"));
  model.SetReadOnly(0, true);
  EXPECT_TRUE(model.IsReadOnly(0));
  model.WriteCell(0, rfTransStatus, QStringLiteral("READY"));
  EXPECT_EQ(FProject.GetRowValue(0, rfTransStatus), QStringLiteral("ready"));
}

TEST_F(VnGridModelTest, WritesToManyRowsNotifyOnce) {
  TVnGridModel model(FProject);
  model.RefreshView();
  QSignalSpy written(&model, &TVnGridModel::CellWritten);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  model.ToggleStatuses({0, 4, 5}, false, true);
  model.WriteCells({0, 4}, rfMaxLength, QStringLiteral("9"));
  ASSERT_EQ(written.count(), 2);
  EXPECT_EQ(written[0][0].toInt(), -1);
  EXPECT_EQ(written[1][1].toInt(), int(rfMaxLength));
  EXPECT_EQ(changed.count(), 2);
  EXPECT_EQ(FProject.GetRowValue(5, rfTransStatus), QStringLiteral("fuzzy"));
  EXPECT_EQ(FProject.GetRowValue(4, rfMaxLength), QStringLiteral("9"));
  EXPECT_EQ(model.PositionOfRow(3), -1); // removed, not shown
  EXPECT_EQ(model.ProjectRow(model.PositionOfRow(7)), 7);
}

TEST_F(VnGridModelTest, PassesTheModelTesterThroughRefreshesAndEdits) {
  TVnGridModel model(FProject);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  model.RefreshView();
  model.FilterConfig().SetFilter(QStringLiteral("o"));
  model.SetSortColumn(rfNative, Qt::DescendingOrder);
  model.setData(model.index(0, rfTranslation), QStringLiteral("x"), Qt::EditRole);
  FProject.Targets().SetItemIndex(-1);
  FProject.Clear();
  FProject.Update(0, false);
  EXPECT_EQ(model.rowCount(), 0);
}

TEST(VnGridModel, AProjectWithoutTargetsShowsNoRows) {
  TVnV7Project project;
  VnLoadTestProject(project, "");
  TVnGridModel model(project);
  model.RefreshView();
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(model.columnCount(), 12);
}

TEST(VnGridModel, AFilterChangeDuringARefreshEndsItAndTheNewOneWins) {
  TVnV7Project project;
  VnLoadTestProject(project, VnTestTargetXml("a.rc", {{"a", "apple"}, {"b", "banana"}, {"c", "cherry"}}));
  TVnGridModel model(project);
  int yields = 0;
  model.OnYield = [&] {
    if (yields++ == 0)
      model.FilterConfig().SetFilter(QStringLiteral("an"));
  };
  // Yield at every row: the first refresh is interrupted by the new filter text.
  model.SetYieldInterval(0);
  model.RefreshView();
  EXPECT_FALSE(model.Refreshing());
  EXPECT_EQ(ShownContexts(model), QStringList{"b"});
}

TEST(VnGridModel, ATargetChosenWhileTheProjectNotifiesStillReachesTheGrid) {
  TVnV7Project project;
  VnLoadTestProject(project, VnTestTargetXml("a.rc", {{"a", "apple"}, {"b", "banana"}}) +
                                 VnTestTargetXml("b.rc", {{"c", "cherry"}}));
  TVnGridModel model(project);
  model.SetYieldInterval(0);
  bool switched = false;
  model.OnYield = [&] {
    // The project does not notify again while it notifies: no refresh follows.
    if (!switched)
      project.Targets().SetItemIndex(1);
    switched = true;
  };
  project.Update(0, false);
  EXPECT_EQ(ShownContexts(model), QStringList{"c"});
}

TEST(VnMarkerExpander, ExpandsLinksAndReadOnlyFragmentsWithoutLooping) {
  // Rows: 0 "A" links to B, 1 "B" links back to A, 2 "Empty" has no translation.
  const QStringList contexts{"A", "B", "Empty"};
  const QStringList natives{"a {[vnz.link]:B}", "b {[vnz.link]:A}", "native of empty"};
  const QStringList translations{"", "", ""};
  TVnMarkerExpander expander;
  expander.FindRow = [&](const QString &context) { return int(contexts.indexOf(context)); };
  expander.RowValue = [&](int row, int kind) { return kind == 1 ? natives[row] : translations[row]; };
  const struct {
    const char *Text;
    int Kind;
    const char *Expanded;
  } cases[] = {
      {"say {[vnz.readonly]:4869}!", 1, "say <vnz>Hi</vnz>!"},
      {"{[vnz.link]:Empty}", 2, "<vnz>native of empty</vnz>"},
      {"{[vnz.link]:Nowhere} x", 1, "{[vnz.link]:Nowhere} x"},
      {"{[vnz.link]:A}", 1, "<vnz>a <vnz>b {[vnz.link]:A}</vnz></vnz>"},
      {"{[vnz.other]} {[vnz.readonly]:4869", 1, "{[vnz.other]} {[vnz.readonly]:4869"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(expander.Expand(QString::fromUtf8(c.Text), c.Kind), QString::fromUtf8(c.Expanded)) << c.Text;
  QList<TVnExpandedFragment> fragments;
  expander.Expand(QStringLiteral("{[vnz.link]:Empty}-{[vnz.readonly]:4869}"), 2, &fragments);
  EXPECT_EQ(fragments, (QList<TVnExpandedFragment>{{0, 26, true, "Empty", "{[vnz.link]:Empty}"},
                                                    {27, 13, false, "", "{[vnz.readonly]:4869}"}}));
  // Only the markers that expand are shown ones.
  EXPECT_EQ(expander.ShownMarkers(QStringLiteral("{[vnz.link]:Nowhere} {[vnz.readonly]:4869}{[vnz.link]:Empty}"), 1),
            (QList<TVnShownMarker>{{"{[vnz.readonly]:4869}", "<vnz>Hi</vnz>"},
                                   {"{[vnz.link]:Empty}", "<vnz>native of empty</vnz>"}}));
  EXPECT_EQ(expander.LinkedText(QStringLiteral("Nowhere"), 2), QStringLiteral("<no text>"));
  EXPECT_EQ(expander.MissingLinkedTexts(QStringLiteral("x {[vnz.link]:Empty}")), QStringLiteral(" native of empty"));
}

TEST(VnMarkerExpander, RestoreTurnsFragmentsBackIntoTheMarkersTheyWereShownFor) {
  // The native text "{[vnz.link]:A} and {[vnz.readonly]:4869}" as the fallback.
  const QList<TVnShownMarker> native{{"{[vnz.link]:A}", "<vnz>Alpha</vnz>"}, {"{[vnz.readonly]:4869}", "<vnz>Hi</vnz>"}};
  // A translation that has its placeholders the other way round.
  const QList<TVnShownMarker> swapped{{"{[vnz.link]:B}", "<vnz>Bt</vnz>"}, {"{[vnz.link]:A}", "<vnz>At</vnz>"}};
  const QList<TVnShownMarker> readOnly{{"{[vnz.readonly]:4869}", "<vnz>Hi</vnz>"}};
  const struct {
    const char *Edited;
    QList<TVnShownMarker> Shown, Fallback;
    const char *Stored;
    bool Kept = true;
  } cases[] = {
      // Nothing shown: the native markers, by text, else in order.
      {"<vnz>Alpha</vnz> und <vnz>Hi</vnz>", {}, native, "{[vnz.link]:A} und {[vnz.readonly]:4869}"},
      {"<vnz>Hi</vnz> vor <vnz>Alpha</vnz>", {}, native, "{[vnz.readonly]:4869} vor {[vnz.link]:A}"},
      {"<vnz>x <vnz>nested</vnz></vnz>!", {}, native, "{[vnz.link]:A}!"},
      {"no fragments · here", {}, native, "no fragments · here"},
      {"<vnz>1</vnz><vnz>2</vnz><vnz>3</vnz>", {}, native, "{[vnz.link]:A}{[vnz.readonly]:4869}<vnz>3</vnz>"},
      {"<vnz>open", {}, native, "<vnz>open"},
      // Reordered placeholders keep their own markers, however they move.
      {"<vnz>Bt</vnz> von <vnz>At</vnz>!", swapped, native, "{[vnz.link]:B} von {[vnz.link]:A}!"},
      {"<vnz>At</vnz> von <vnz>Bt</vnz>", swapped, native, "{[vnz.link]:A} von {[vnz.link]:B}"},
      // An edited link text keeps its marker; a copy stands for the same one.
      {"<vnz>Bx</vnz> von <vnz>At</vnz>", swapped, native, "{[vnz.link]:B} von {[vnz.link]:A}"},
      {"<vnz>At</vnz> <vnz>At</vnz>", swapped, native, "{[vnz.link]:A} {[vnz.link]:A}"},
      // A fragment beyond those shown, copied from the native text.
      {"<vnz>Bt</vnz> <vnz>Hi</vnz> <vnz>At</vnz>", swapped, native,
       "{[vnz.link]:B} {[vnz.readonly]:4869} {[vnz.link]:A}"},
      // A marker the native text lacks; unexpanded markers are no fragments.
      {"<vnz>Hi</vnz>?", readOnly, {}, "{[vnz.readonly]:4869}?"},
      {"{[vnz.link]:Gone} <vnz>Hi</vnz>!", readOnly, {}, "{[vnz.link]:Gone} {[vnz.readonly]:4869}!"},
      // A read-only fragment that was changed or lost.
      {"<vnz>H</vnz>", readOnly, {}, "{[vnz.readonly]:4869}", false},
      {"gone", readOnly, native, "gone", false},
  };
  for (const auto &c : cases) {
    bool kept = !c.Kept;
    EXPECT_EQ(TVnMarkerExpander::Restore(QString::fromUtf8(c.Edited), c.Shown, c.Fallback, &kept),
              QString::fromUtf8(c.Stored))
        << c.Edited;
    EXPECT_EQ(kept, c.Kept) << c.Edited;
  }
}

TEST(VnNavigationHistory, RecordsTruncatesAndMoves) {
  TVnNavigationHistory history;
  auto item = [](int position) { return TVnTreeNavigationItem{position, 0, {}}; };
  for (int i = 0; i < 4; ++i)
    history.Record(item(i));
  EXPECT_EQ(history.Position(), 3);
  ASSERT_NE(history.Move(-2), nullptr);
  EXPECT_EQ(history.Position(), 1);
  EXPECT_EQ(history.BackList(), QList<TVnTreeNavigationItem>{item(0)});
  EXPECT_EQ(history.ForwardList(), (QList<TVnTreeNavigationItem>{item(3), item(2)}));
  EXPECT_EQ(history.Move(5), nullptr);
  EXPECT_EQ(history.Position(), 1);
  history.SetRecording(false);
  history.Record(item(9));
  EXPECT_EQ(history.Count(), 4);
  history.SetRecording(true);
  history.Record(item(7)); // a new step drops the forward entries
  EXPECT_EQ(history.Count(), 3);
  EXPECT_TRUE(history.ForwardList().isEmpty());
  history.Move(-1);
  history.Truncate();
  EXPECT_EQ(history.Count(), 2);
  history.Clear();
  EXPECT_EQ(history.Position(), -1);
  EXPECT_EQ(history.Move(-1), nullptr);
}

} // namespace
