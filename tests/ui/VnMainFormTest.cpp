#include "VnUiFixture.h"

#include "ui/VnCommandCatalogue.h"
#include "ui/VnMainForm.h"
#include "ui/VnStartupForm.h"

#include "core/VnVersion.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTextEdit>
#include <QTimer>

#include <iterator>

namespace {

class VnMainFormWindow : public VnUiTest {};

TEST_F(VnMainFormWindow, ARelativePathOnTheCommandLineOpensUnderItsAbsolutePath) {
  const QString path = WriteProject(QStringLiteral("cmd.v7p"));
  const QString saved = QDir::currentPath();
  QDir::setCurrent(FDir.path());
  TVnDataModule &data = Start();
  TMainForm window(data, {QStringLiteral("cmd.v7p")});
  window.show();
  QDir::setCurrent(saved);
  EXPECT_EQ(data.Project().FileName(), path);
  EXPECT_EQ(data.RecentFiles().first(), path);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("cmd.v7p - ") + VnProgramName());
  EXPECT_EQ(window.StartupForm(), nullptr);
  EXPECT_EQ(window.CurrentPage(), TMainForm::pgRows);
  QMenu *reopen = data.Commands().Submenu(QStringLiteral("mReopen"));
  ASSERT_EQ(reopen->actions().size(), 1);
  EXPECT_EQ(reopen->actions()[0]->text(), path);
}

TEST_F(VnMainFormWindow, AMissingFileOnTheCommandLineShowsNeitherProjectNorStartupDialog) {
  TVnDataModule &data = Start();
  TMainForm window(data, {Path(QStringLiteral("nowhere.v7p"))});
  window.show();
  EXPECT_FALSE(data.Project().Opened());
  EXPECT_EQ(window.StartupForm(), nullptr);
  EXPECT_EQ(window.windowTitle(), VnProgramName());
  EXPECT_TRUE(FMessages.Shown().isEmpty());
}

TEST_F(VnMainFormWindow, WithoutParametersTheStartupDialogShowsUntilAProjectOpens) {
  TVnDataModule &data = Start();
  TMainForm window(data);
  window.show();
  ASSERT_NE(window.StartupForm(), nullptr);
  EXPECT_TRUE(window.StartupForm()->isVisible());
  ASSERT_TRUE(data.OpenProject(WriteProject(QStringLiteral("p.v7p"))));
  EXPECT_FALSE(window.StartupForm()->isVisible());
  data.FileClose();
  EXPECT_TRUE(window.StartupForm()->isVisible());
}

TEST_F(VnMainFormWindow, PagesTellWhyThereAreNoRows) {
  TVnDataModule &data = Start();
  TMainForm window(data);
  ASSERT_TRUE(VnTestWriteBytes(Path(QStringLiteral("t.v7p")),
                               "<xml><targets><target enabled=\"False\"><options/></target><target><options/></target>"
                               "</targets></xml>"));
  ASSERT_TRUE(data.OpenProject(Path(QStringLiteral("t.v7p"))));
  EXPECT_EQ(window.CurrentPage(), TMainForm::pgDisabledTarget);
  data.Project().Targets().SetItemIndex(1);
  EXPECT_EQ(window.CurrentPage(), TMainForm::pgEmptyTarget);
  data.Project().Targets().Delete(1);
  data.Project().Targets().Delete(0);
  EXPECT_EQ(window.CurrentPage(), TMainForm::pgNoTargets);
}

TEST_F(VnMainFormWindow, ClosingTheWindowRunsCloseAndHonoursCancel) {
  TVnDataModule &data = Start();
  TMainForm window(data);
  window.show();
  ASSERT_TRUE(data.OpenProject(WriteProject(QStringLiteral("p.v7p"))));
  data.Project().SetRowValue(0, rfRowComment, QStringLiteral("edited"));
  FMessages.Answer(TVnMsgButton::Cancel);
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  FMessages.Answer(TVnMsgButton::No);
  EXPECT_TRUE(window.close());
  EXPECT_FALSE(data.Project().Opened());
}

} // namespace

#include "ui/VnGridModel.h"
#include "ui/VnGridVST.h"
#include "ui/VnGridVSTUI.h"
#include "ui/VnTargetsModel.h"
#include "ui/VnTargetsVST.h"

#include "config/VnConfiguration.h"
#include "core/VnFolders.h"
#include "core/VnSafeFile.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

namespace {

TEST_F(VnMainFormWindow, TheGridAndTreeShowTheDemoProject) {
  TVnDataModule &data = Start();
  TMainForm window(data);
  QAbstractItemModelTester gridTester(&window.Grid()->Model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
  QAbstractItemModelTester treeTester(&window.Tree()->Model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
  ASSERT_TRUE(data.OpenProject(SharedApplicationFolder() + QStringLiteral("demo/Sample Editor.v7p")));
  TVnGridModel &model = window.Grid()->Model();
  EXPECT_EQ(model.rowCount(), 21); // and one removed row, never shown
  EXPECT_EQ(model.RemovedCount(), 1);
  // Cells hold the stored text; symbols for tabs are painted, never stored.
  EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("&New\tCtrl+N"));
  EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Translation (German)"));
  // Choosing "All strings" in the tree shows every target's rows.
  TVnTargetsModel &tree = window.Tree()->Model();
  window.Tree()->setCurrentIndex(tree.TargetIndex(-1));
  EXPECT_EQ(data.Project().Targets().ItemIndex(), -1);
  EXPECT_EQ(model.rowCount(), 28);
  EXPECT_EQ(model.RemovedCount(), 2);
}

TEST_F(VnMainFormWindow, ATranslationTypedForAGridRowReachesTheSavedFile) {
  const QString path = WriteProject(QStringLiteral("edit.v7p"), "Collection");
  TVnDataModule &data = Start();
  TMainForm window(data);
  window.show();
  ASSERT_TRUE(data.OpenProject(path));
  TVnGridVST &grid = *window.Grid();
  grid.FocusRow(0);
  auto *editor = qobject_cast<QTextEdit *>(grid.UI()->TranslationEditor());
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->isEnabled());
  // Whitespace symbols on: the grid paints them, the text keeps what was typed,
  // a real middle dot and a no-break space among it.
  data.Config().Grid().SetBool(TVnConfigBoolKey::UnprintableChars, true);
  grid.ReadOptions();
  TVnTargetsModel &tree = window.Tree()->Model();
  const QModelIndex target = tree.TargetIndex(0);
  EXPECT_EQ(tree.data(target.siblingAtColumn(1), Qt::DisplayRole).toString(), QStringLiteral("0 of 1"));
  grid.setFocus();
  QTest::keyClicks(&grid, QStringLiteral("Coll"));
  EXPECT_EQ(tree.data(target.siblingAtColumn(1), Qt::DisplayRole).toString(), QStringLiteral("1 of 1"));
  // Backspace in the grid reaches the translation too.
  grid.setFocus();
  QTest::keyClick(&grid, Qt::Key_Backspace);
  EXPECT_EQ(data.Project().GetRowValue(0, rfTranslation), QStringLiteral("Col"));
  editor->moveCursor(QTextCursor::End);
  editor->insertPlainText(QStringLiteral("\u00B7lecci\u00F3\u00A0nova"));
  EXPECT_EQ(data.Project().GetRowValue(0, rfTranslation), QStringLiteral("Col\u00B7lecci\u00F3\u00A0nova"));
  EXPECT_EQ(data.Project().GetRowValue(0, rfTransStatus), QStringLiteral("translated"));
  auto *status = window.findChild<QComboBox *>(QStringLiteral("StatusCombo"));
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->currentText(), QStringLiteral("Translated"));
  status->setCurrentIndex(status->findText(QStringLiteral("QAed")));
  EXPECT_EQ(data.Project().GetRowValue(0, rfTransStatus), QStringLiteral("qaed"));
  ASSERT_TRUE(data.FileSave());
  const QString saved = QString::fromUtf8(VnReadFile(path));
  EXPECT_TRUE(saved.contains(QStringLiteral("&quot;Col\u00B7lecci\u00F3\u00A0nova&quot;"))) << saved.toStdString();
  EXPECT_TRUE(saved.contains(QStringLiteral("status=\"qaed\""))) << saved.toStdString();
}

TEST_F(VnMainFormWindow, SeveralSelectedRowsShareTheMaximumWidthButNotTheTranslation) {
  const QString path = WriteRows(QStringLiteral("multi.v7p"), "<row name=\"a\"><native>&quot;A&quot;</native></row>"
                                                                "<row name=\"b\"><native>&quot;B&quot;</native></row>"
                                                                "<row name=\"c\"><native>&quot;C&quot;</native></row>");
  TVnDataModule &data = Start();
  TMainForm window(data);
  window.show();
  ASSERT_TRUE(data.OpenProject(path));
  TVnGridVST &grid = *window.Grid();
  grid.FocusRow(0);
  EXPECT_TRUE(grid.UI()->TranslationEditor()->isEnabled());
  // A second row selected without moving the focus: the translation is for one row only.
  grid.selectionModel()->select(grid.model()->index(2, 0),
                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
  EXPECT_FALSE(grid.UI()->TranslationEditor()->isEnabled());
  auto *width = window.findChild<QLineEdit *>(QStringLiteral("MaxWidthEdit"));
  ASSERT_TRUE(width->isEnabled());
  width->setText(QStringLiteral("12"));
  EXPECT_EQ(data.Project().GetRowValue(0, rfMaxLength), QStringLiteral("12"));
  EXPECT_EQ(data.Project().GetRowValue(1, rfMaxLength), QString());
  EXPECT_EQ(data.Project().GetRowValue(2, rfMaxLength), QStringLiteral("12"));
  // Ctrl+R advances the row status of both; Back and Forward walk the focus history.
  data.Commands().Action(QStringLiteral("aToggleRowStatus"))->trigger();
  EXPECT_EQ(data.Project().GetRowValue(2, rfRowStatus), QStringLiteral("new"));
  grid.FocusRow(1);
  grid.FocusRow(2);
  grid.FocusRow(0);
  grid.Navigate(-2);
  EXPECT_EQ(grid.FocusedRow(), 1);
  grid.Navigate(1);
  EXPECT_EQ(grid.FocusedRow(), 2);
  EXPECT_EQ(grid.History().ForwardList().size(), 1);
  EXPECT_TRUE(data.Commands().Action(QStringLiteral("aNavigateForward"))->isEnabled());
}

TEST_F(VnMainFormWindow, PreviewColumnsSwitchTheLanguageAndCopyTakesTheStoredText) {
  const QString path = WriteRows(QStringLiteral("langs.v7p"),
                                 "<row name=\"a\"><native>&quot;A b&quot;</native>"
                                 "<lang id=\"de\">&quot;A\tde&quot;</lang><lang id=\"fr\">&quot;A fr&quot;</lang></row>",
                                 "<language>de</language><language>fr</language>");
  TVnDataModule &data = Start();
  TMainForm window(data);
  window.show();
  ASSERT_TRUE(data.OpenProject(path));
  TVnGridVST &grid = *window.Grid();
  data.Config().Grid().SetBool(TVnConfigBoolKey::UnprintableChars, true);
  grid.ReadOptions();
  grid.setCurrentIndex(grid.model()->index(0, rfTranslation));
  QTest::keySequence(&grid, QKeySequence::Copy);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("A\tde"));
  grid.SetColumnShown(TVnGridModel::kFixedColumns + 1, true);
  grid.setCurrentIndex(grid.model()->index(0, TVnGridModel::kFixedColumns + 1));
  EXPECT_EQ(data.Project().GetActiveLanguage(), QStringLiteral("fr"));
  EXPECT_EQ(grid.model()->headerData(rfTranslation, Qt::Horizontal).toString(), QStringLiteral("Translation (French)"));
  EXPECT_EQ(grid.FocusedRow(), 0);
}

TEST_F(VnMainFormWindow, EditorsExpandMarkersFollowLinksAndWriteTheMarkersBack) {
  const QString path =
      WriteRows(QStringLiteral("links.v7p"),
                "<row name=\"a\"><native>&quot;{[vnz.link]:b} and {[vnz.readonly]:4869}&quot;</native>"
                "<lang id=\"de\">&quot;{[vnz.link]:b} und {[vnz.readonly]:4869}&quot;</lang></row>"
                "<row name=\"b\"><native>&quot;Bee&quot;</native></row>");
  TVnDataModule &data = Start();
  TMainForm window(data);
  window.show();
  ASSERT_TRUE(data.OpenProject(path));
  TVnGridVST &grid = *window.Grid();
  grid.FocusRow(0);
  auto *native = window.findChild<QTextEdit *>(QStringLiteral("NativeEdit"));
  auto *translation = window.findChild<QTextEdit *>(QStringLiteral("TranslationEdit"));
  EXPECT_EQ(native->toPlainText(), QStringLiteral("<vnz>Bee</vnz> and <vnz>Hi</vnz>"));
  EXPECT_EQ(translation->toPlainText(), QStringLiteral("<vnz>Bee</vnz> und <vnz>Hi</vnz>"));
  QTextCursor readOnly(native->document());
  readOnly.setPosition(22);
  EXPECT_EQ(readOnly.charFormat().foreground().color(), QColor(128, 0, 0));
  // Typing keeps the markers: the fragments go back as the native text's markers.
  translation->moveCursor(QTextCursor::End);
  translation->insertPlainText(QStringLiteral("!"));
  EXPECT_EQ(data.Project().GetRowValue(0, rfTranslation), QStringLiteral("{[vnz.link]:b} und {[vnz.readonly]:4869}!"));
  // The read-only fragment (positions 19 to 32) cannot be changed from the keyboard.
  const auto keyAt = [&](int position, Qt::Key key, const QString &selectTo = {}) {
    QTextCursor cursor = translation->textCursor();
    cursor.setPosition(position);
    if (!selectTo.isEmpty())
      cursor.setPosition(selectTo.toInt(), QTextCursor::KeepAnchor);
    translation->setTextCursor(cursor);
    QTest::keyClick(translation, key);
    return data.Project().GetRowValue(0, rfTranslation);
  };
  const QString unchanged = QStringLiteral("{[vnz.link]:b} und {[vnz.readonly]:4869}!");
  EXPECT_EQ(keyAt(32, Qt::Key_Backspace), unchanged);
  EXPECT_EQ(keyAt(19, Qt::Key_Delete), unchanged);
  EXPECT_EQ(keyAt(25, Qt::Key_X), unchanged);
  EXPECT_EQ(keyAt(15, Qt::Key_X, QStringLiteral("22")), unchanged); // a selection reaching into it
  EXPECT_EQ(keyAt(19, Qt::Key_X), QStringLiteral("{[vnz.link]:b} und x{[vnz.readonly]:4869}!")); // at its edge
  EXPECT_EQ(keyAt(34, Qt::Key_Backspace).toStdString(), "{[vnz.link]:b} und x{[vnz.readonly]:4869}") << translation->toPlainText().toStdString();
  // Without placeholders the editors show the markers themselves.
  data.Commands().Action(QStringLiteral("aViewTextPlaceholders"))->setChecked(false);
  EXPECT_EQ(native->toPlainText(), QStringLiteral("{[vnz.link]:b} and {[vnz.readonly]:4869}"));
  data.Commands().Action(QStringLiteral("aViewTextPlaceholders"))->setChecked(true);
  EXPECT_FALSE(grid.UI()->FollowLink(rfNative, 16));
  EXPECT_TRUE(grid.UI()->FollowLink(rfNative, 3));
  EXPECT_EQ(grid.FocusedRow(), 1);
}

// Rows for the editor tests: the contexts r0.. hold the texts under test,
// "x" and "y" are link targets.
QByteArray EditorRows(int rows) {
  QByteArray xml;
  for (int i = 0; i < rows; ++i)
    xml += "<row name=\"r" + QByteArray::number(i) + "\"><native>&quot;n&quot;</native></row>";
  return xml + "<row name=\"x\"><native>&quot;Ex&quot;</native></row><row name=\"y\"><native>&quot;Why&quot;</native></row>";
}

TEST_F(VnMainFormWindow, TypingInTheTranslationKeepsItsOwnMarkersAndLineBreaks) {
  const struct {
    const char *Native, *Translation, *Typed, *Stored;
  } cases[] = {
      // An unexpanded link before a read-only fragment took its marker.
      {"{[vnz.link]:Gone} {[vnz.readonly]:4869}", "{[vnz.link]:Gone} {[vnz.readonly]:4869}", "!",
       "{[vnz.link]:Gone} {[vnz.readonly]:4869}!"},
      // Placeholders the other way round than in the native text.
      {"{[vnz.link]:x} of {[vnz.link]:y}", "{[vnz.link]:y} von {[vnz.link]:x}", "!", "{[vnz.link]:y} von {[vnz.link]:x}!"},
      // A marker of the translation alone.
      {"plain", "{[vnz.readonly]:4869} c", "!", "{[vnz.readonly]:4869} c!"},
      // Line breaks: the translation's own stay, a lone CR stays one; new
      // lines follow the translation, or the native text while it has none.
      {"l1\r\nl2", "z1\nz2", "!", "z1\nz2!"},
      {"l1\r\nl2", "z1\nz2", "\nz3", "z1\nz2\nz3"},
      {"n", "a\rb\r\nc", "!", "a\rb\r\nc!"},
      {"l1\r\nl2", "", "t\nu", "t\r\nu"},
  };
  const int rows = int(std::size(cases));
  const QString path = WriteRows(QStringLiteral("own.v7p"), EditorRows(rows));
  TVnDataModule &data = Start();
  TMainForm window(data);
  window.show();
  ASSERT_TRUE(data.OpenProject(path));
  for (int i = 0; i < rows; ++i) {
    data.Project().SetRowValue(i, rfNative, QString::fromUtf8(cases[i].Native));
    data.Project().SetRowValue(i, rfTranslation, QString::fromUtf8(cases[i].Translation));
  }
  window.Grid()->UI()->FillEditors();
  auto *translation = window.findChild<QTextEdit *>(QStringLiteral("TranslationEdit"));
  for (int i = 0; i < rows; ++i) {
    window.Grid()->FocusRow(i);
    translation->moveCursor(QTextCursor::End);
    translation->insertPlainText(QString::fromUtf8(cases[i].Typed));
    EXPECT_EQ(data.Project().GetRowValue(i, rfTranslation).toStdString(), cases[i].Stored) << cases[i].Translation;
  }
}

TEST_F(VnMainFormWindow, ReadOnlyFragmentsWithstandTheMouseAndNoFormatPassesToTheNextRow) {
  const QString path = WriteRows(QStringLiteral("ro.v7p"), EditorRows(3));
  TVnDataModule &data = Start();
  TMainForm window(data);
  window.show();
  ASSERT_TRUE(data.OpenProject(path));
  const QString stored = QStringLiteral("ab {[vnz.readonly]:4869}");
  data.Project().SetRowValue(0, rfTranslation, stored);
  data.Project().SetRowValue(1, rfTranslation, QStringLiteral("plain"));
  data.Project().SetRowValue(2, rfTranslation, QStringLiteral("ab <vnz>Hi</vnz>")); // shows as row 0 does
  TVnGridVST &grid = *window.Grid();
  grid.FocusRow(0);
  grid.UI()->FillEditors();
  auto *translation = window.findChild<QTextEdit *>(QStringLiteral("TranslationEdit"));
  ASSERT_EQ(translation->toPlainText(), QStringLiteral("ab <vnz>Hi</vnz>"));
  const auto select = [&](int from, int to) {
    QTextCursor cursor = translation->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    translation->setTextCursor(cursor);
  };
  const auto pointAt = [&](int position) {
    QTextCursor cursor(translation->document());
    cursor.setPosition(position);
    return translation->cursorRect(cursor).center();
  };
  // A selection ending inside the fragment leaves its format at the caret:
  // the next row must not take it over.
  select(1, 6);
  grid.FocusRow(1);
  ASSERT_EQ(translation->toPlainText(), QStringLiteral("plain"));
  QTextCursor inside(translation->document());
  inside.setPosition(3);
  EXPECT_NE(inside.charFormat().foreground().color(), QColor(128, 0, 0));
  translation->moveCursor(QTextCursor::End);
  QTest::keyClick(translation, Qt::Key_Backspace);
  EXPECT_EQ(data.Project().GetRowValue(1, rfTranslation), QStringLiteral("plai"));
  // A row whose text shows the same keeps none of the fragment formats either.
  grid.FocusRow(0);
  grid.FocusRow(2);
  ASSERT_EQ(translation->toPlainText(), QStringLiteral("ab <vnz>Hi</vnz>"));
  inside.setPosition(6);
  EXPECT_NE(inside.charFormat().foreground().color(), QColor(128, 0, 0));
  grid.FocusRow(0);

  // A right-click goes to the viewport: its menu must not cut into the fragment.
  select(1, 6);
  QStringList enabled;
  QTimer::singleShot(0, [&] {
    if (QWidget *popup = QApplication::activePopupWidget()) {
      for (QAction *action : popup->actions())
        if (action->isEnabled() && !action->objectName().isEmpty())
          enabled << action->objectName();
      popup->close();
    }
  });
  QContextMenuEvent rightClick(QContextMenuEvent::Mouse, pointAt(4), translation->viewport()->mapToGlobal(pointAt(4)));
  QCoreApplication::sendEvent(translation->viewport(), &rightClick);
  QCoreApplication::processEvents(); // a menu that only pops up
  EXPECT_TRUE(enabled.contains(QStringLiteral("edit-copy"))) << enabled.join(' ').toStdString();
  EXPECT_FALSE(enabled.contains(QStringLiteral("edit-cut"))) << enabled.join(' ').toStdString();
  EXPECT_FALSE(enabled.contains(QStringLiteral("edit-delete"))) << enabled.join(' ').toStdString();
  // Text dropped into the fragment is refused; next to it, taken.
  const auto drop = [&](int position) {
    QMimeData mime;
    mime.setText(QStringLiteral("zz"));
    const QPoint at = pointAt(position);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(translation->viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(translation->viewport(), &move);
    QDropEvent event(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(translation->viewport(), &event);
    return translation->toPlainText();
  };
  EXPECT_EQ(drop(8), QStringLiteral("ab <vnz>Hi</vnz>"));
  EXPECT_EQ(drop(1), QStringLiteral("azzb <vnz>Hi</vnz>"));
  EXPECT_EQ(data.Project().GetRowValue(0, rfTranslation), QStringLiteral("azzb {[vnz.readonly]:4869}"));
  // Should a fragment go some other way, the stored text stays and the editor shows it again.
  QTextCursor behind(translation->document());
  behind.setPosition(5);
  behind.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  behind.removeSelectedText();
  EXPECT_EQ(data.Project().GetRowValue(0, rfTranslation), QStringLiteral("azzb {[vnz.readonly]:4869}"));
  QCoreApplication::processEvents();
  EXPECT_EQ(translation->toPlainText(), QStringLiteral("azzb <vnz>Hi</vnz>"));

}

TEST_F(VnMainFormWindow, AnOpenGridEditorIsWrittenBeforeARefresh) {
  TVnDataModule &data = Start();
  TMainForm window(data);
  window.show();
  ASSERT_TRUE(data.OpenProject(WriteRows(QStringLiteral("edit.v7p"), EditorRows(1))));
  TVnGridVST &grid = *window.Grid();
  const QModelIndex cell = grid.Model().index(0, rfRowComment);
  grid.setCurrentIndex(cell);
  grid.edit(cell);
  auto *editor = qobject_cast<QLineEdit *>(grid.indexWidget(cell));
  ASSERT_NE(editor, nullptr);
  editor->setText(QStringLiteral("typed"));
  grid.Model().RefreshView();
  EXPECT_EQ(data.Project().GetRowValue(0, rfRowComment), QStringLiteral("typed"));
}

TEST_F(VnMainFormWindow, ColumnChoicesAndWidthsOutliveTheWindow) {
  TVnDataModule &data = Start();
  {
    TMainForm window(data);
    window.show();
    ASSERT_TRUE(data.OpenProject(WriteProject(QStringLiteral("cols.v7p"))));
    data.Commands().Action(QStringLiteral("aViewContextColumn"))->setChecked(true);
    window.Grid()->header()->resizeSection(rfName, 140);
    window.Grid()->SetColumnShown(rfRowStatus, true);
    window.close();
  }
  TMainForm again(data);
  EXPECT_TRUE(again.Grid()->ColumnShown(rfName));
  EXPECT_TRUE(again.Grid()->ColumnShown(rfRowStatus));
  EXPECT_FALSE(again.Grid()->ColumnShown(rfRowComment));
  EXPECT_EQ(again.Grid()->header()->sectionSize(rfName), 140);
}

TEST_F(VnMainFormWindow, TheStoredFontsAndLengthCheckReachTheViewsAgainAfterOptions) {
  TVnDataModule &data = Start();
  TMainForm window(data);
  auto *translation = window.findChild<QTextEdit *>(QStringLiteral("TranslationEdit"));
  ASSERT_NE(translation, nullptr);
  EXPECT_EQ(window.Grid()->font(), QApplication::font()); // nothing stored: the program's font

  TVnFont grid;
  grid.Name = QStringLiteral("DejaVu Serif");
  grid.Size = 14;
  TVnFont editors = grid;
  editors.Size = 17;
  editors.Bold = true;
  data.Config().Grid().SetFont(grid);
  data.Config().Translations().SetFont(editors);
  data.Config().Validation().SetEnableLengthCheck(true);
  data.Config().Validation().SetLengthCheckPercent(35);
  window.ReadViewOptions(); // what OK in the Options dialog runs
  EXPECT_EQ(window.Grid()->font().pointSize(), 14);
  EXPECT_EQ(window.Grid()->font().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(translation->font().pointSize(), 17);
  EXPECT_TRUE(translation->font().bold());
  EXPECT_TRUE(window.Grid()->Model().LengthCheck().Enabled);
  EXPECT_EQ(window.Grid()->Model().LengthCheck().Percent, 35);
}

} // namespace

#include "ui/VnWidgetText.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

TEST(VnWidgetText, TheTextAWidgetShows) {
  QLineEdit line(QStringLiteral("typed"));
  QTextEdit area;
  area.setPlainText(QStringLiteral("first\nsecond"));
  QPushButton button(QStringLiteral("&OK"));
  QWidget window;
  window.setWindowTitle(QStringLiteral("Title"));
  EXPECT_EQ(WindowText(&line), QStringLiteral("typed"));
  EXPECT_EQ(WindowText(&area), QStringLiteral("first\nsecond"));
  EXPECT_EQ(WindowText(&button), QStringLiteral("&OK"));
  EXPECT_EQ(WindowText(&window), QStringLiteral("Title"));
  EXPECT_EQ(WindowText(nullptr), QString());
}

} // namespace
