#include "VnUiFixture.h"

#include "ui/VnCustomLanguagesForm.h"
#include "ui/VnEditCustomLanguageForm.h"
#include "ui/VnSelectLanguageForm.h"

#include "core/VnCustomLanguages.h"
#include "core/VnLanguages.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

const QString kInvalidCodeText =
    QStringLiteral("Invalid ISO language code!\r\nRight format is xx_XX.xx where first two symbols are required "
                   "((e.g.: \"en_US\" or \"en\")).");

QPushButton *OkButton(const QDialog &form) {
  auto *box = form.findChild<QDialogButtonBox *>();
  return box ? box->button(QDialogButtonBox::Ok) : nullptr;
}

QTreeWidgetItem *TopLevelNamed(QTreeWidget *tree, const QString &text) {
  for (int i = 0; i < tree->topLevelItemCount(); ++i)
    if (tree->topLevelItem(i)->text(0) == text)
      return tree->topLevelItem(i);
  return nullptr;
}

QTreeWidgetItem *ChildNamed(QTreeWidgetItem *parent, const QString &text) {
  for (int i = 0; parent && i < parent->childCount(); ++i)
    if (parent->child(i)->text(0) == text)
      return parent->child(i);
  return nullptr;
}

class VnLanguageDialogs : public VnUiTest {};

// --- Edit custom language ---------------------------------------------------

TEST_F(VnLanguageDialogs, EditOkIsEnabledOnlyWithBothFields) {
  const struct {
    const char *code, *name;
    bool enabled;
  } cases[] = {{"", "", false}, {"qx", "", false}, {"", "Example", false}, {"qx", "Example", true},
               {"not a code", "x", true}}; // the form of the code is checked on OK, not while typing
  TVnEditCustomLanguageForm form;
  for (const auto &c : cases) {
    form.CodeEdit()->setText(QString::fromLatin1(c.code));
    form.NameEdit()->setText(QString::fromLatin1(c.name));
    EXPECT_EQ(OkButton(form)->isEnabled(), c.enabled) << c.code << " / " << c.name;
  }
}

TEST_F(VnLanguageDialogs, EditChecksTheFormOfTheCodeOnOk) {
  const struct {
    const char *code;
    bool valid;
  } cases[] = {
      {"qx", true},        {"qx_QQ", true},     {"qx_QQ.ab", true},  {"q", false},         {"qxz", false},
      {"QX", false},       {"qX", false},       {"qx_qq", false},    {"qx-QQ", false},     {"qx_QQQ", false},
      {"qx_Q", false},     {"qx_QQ.", false},   {"qx_QQ.AB", false}, {"qx_QQ.abc", false}, {"qx.ab", false},
      {" qx", false},      {"qx ", false},      {"qx_QQ_ab", false}, {"q1", false},        {"qx\nqx", false},
  };
  for (const auto &c : cases) {
    TVnScriptedMessageBoxes messages;
    TVnEditCustomLanguageForm form;
    form.show();
    form.CodeEdit()->setText(QString::fromUtf8(c.code));
    form.NameEdit()->setText(QStringLiteral("Example"));
    form.NameEdit()->setFocus();
    OkButton(form)->click();
    EXPECT_EQ(form.result() == QDialog::Accepted, c.valid) << c.code;
    EXPECT_EQ(form.isVisible(), !c.valid) << c.code;
    if (c.valid) {
      EXPECT_TRUE(messages.Shown().isEmpty()) << c.code;
      continue;
    }
    ASSERT_EQ(messages.Shown().size(), 1) << c.code;
    EXPECT_EQ(messages.Shown()[0].Text, kInvalidCodeText);
    EXPECT_EQ(messages.Shown()[0].Type, TVnMsgType::Error);
    EXPECT_EQ(form.focusWidget(), form.CodeEdit()) << c.code;
  }
}

TEST_F(VnLanguageDialogs, EditRefusesACodeThatIsTakenUnlessItIsTheEntrysOwn) {
  const struct {
    const char *ownCode; // empty: a new entry
    const char *code;
    bool accepted;
    const char *why;
  } cases[] = {
      {"", "qx", false, "another custom language has it"},
      {"", "qy", true, "nobody has it"},
      {"", "de_DE", false, "a built-in language has it"},
      {"", "en", false, "a built-in language has it"},
      {"qx", "qx", true, "the entry keeps its own code"},
      {"qz", "qx", false, "an edited entry takes another entry's code"},
      {"qz", "de_DE", false, "an edited entry takes a built-in code"},
      {"de_DE", "de_DE", true, "a built-in code loaded from the file may stay"},
  };
  for (const auto &c : cases) {
    TVnScriptedMessageBoxes messages;
    TVnEditCustomLanguageForm form({QStringLiteral("qx"), QStringLiteral("qx_QQ")});
    if (*c.ownCode)
      form.SetEntry(QString::fromLatin1(c.ownCode), QStringLiteral("Mine"));
    form.show();
    form.CodeEdit()->setText(QString::fromLatin1(c.code));
    form.NameEdit()->setText(QStringLiteral("Mine"));
    form.NameEdit()->setFocus();
    OkButton(form)->click();
    EXPECT_EQ(form.result() == QDialog::Accepted, c.accepted) << c.code << ": " << c.why;
    EXPECT_EQ(form.isVisible(), !c.accepted) << c.code << ": " << c.why;
    if (c.accepted) {
      EXPECT_TRUE(messages.Shown().isEmpty()) << c.code;
      continue;
    }
    ASSERT_EQ(messages.Shown().size(), 1) << c.code;
    EXPECT_EQ(messages.Shown()[0].Type, TVnMsgType::Error);
    EXPECT_TRUE(messages.Shown()[0].Text.contains(QLatin1String(c.code))) << messages.Shown()[0].Text.toStdString();
    EXPECT_NE(messages.Shown()[0].Text, kInvalidCodeText);
    EXPECT_EQ(form.focusWidget(), form.CodeEdit()) << c.code;
  }
}

TEST_F(VnLanguageDialogs, EditTakesTheChosenBaseLanguage) {
  const struct {
    const char *nameBefore;
    std::optional<QString> chosen;
    const char *codeAfter;
    QString nameAfter;
  } cases[] = {
      {"", QStringLiteral("de_CH"), "de_CH", DisplayNameOfCode(QStringLiteral("de_CH"))},
      {"Mine", QStringLiteral("de_CH"), "de_CH", QStringLiteral("Mine")},
      {"", std::nullopt, "qx", QString()},
  };
  ASSERT_FALSE(DisplayNameOfCode(QStringLiteral("de_CH")).isEmpty());
  for (const auto &c : cases) {
    TVnEditCustomLanguageForm form;
    form.CodeEdit()->setText(QStringLiteral("qx"));
    form.NameEdit()->setText(QString::fromLatin1(c.nameBefore));
    int asked = 0;
    form.SetSelectLanguage([&](QWidget *parent) {
      ++asked;
      EXPECT_EQ(parent, &form);
      return c.chosen;
    });
    form.SelectButton()->click();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(form.Code(), QLatin1String(c.codeAfter));
    EXPECT_EQ(form.Name(), c.nameAfter);
  }
}

TEST_F(VnLanguageDialogs, EditDialogTextsAreThoseTheUserKnows) {
  TVnEditCustomLanguageForm form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Edit custom language"));
  EXPECT_EQ(form.SelectButton()->text(), QStringLiteral("..."));
  EXPECT_EQ(form.SelectButton()->toolTip(), QStringLiteral("Select base language"));
  QStringList labels;
  for (const QLabel *label : form.findChildren<QLabel *>())
    labels.append(label->text());
  EXPECT_TRUE(labels.contains(QStringLiteral("&ISO Language Code:")));
  EXPECT_TRUE(labels.contains(QStringLiteral("&Visible Name:")));
}

// --- Select language ---------------------------------------------------------

TEST_F(VnLanguageDialogs, SelectLanguageCodesOfNodes) {
  const struct {
    const char *primary, *child; // child empty: the top-level node
    const char *code;
  } cases[] = {
      {"German", "", "de"},           {"German", "Switzerland", "de_CH"}, {"German", "Germany", "de_DE"},
      {"German", "Austria", "de_AT"}, {"Hebrew", "", "he"},               {"Icelandic", "", "is"},
  };
  TVnSelectLanguageForm form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Select language"));
  for (const auto &c : cases) {
    QTreeWidgetItem *node = TopLevelNamed(form.Tree(), QString::fromLatin1(c.primary));
    ASSERT_NE(node, nullptr) << c.primary;
    if (*c.child)
      node = ChildNamed(node, QString::fromLatin1(c.child));
    ASSERT_NE(node, nullptr) << c.primary << " / " << c.child;
    form.Tree()->setCurrentItem(node);
    EXPECT_EQ(form.SelectedCode(), QLatin1String(c.code)) << c.primary << " / " << c.child;
  }
}

TEST_F(VnLanguageDialogs, SelectLanguageShowsNoSingleChild) {
  TVnSelectLanguageForm form;
  // Hebrew and Icelandic have one country each: no children.
  for (const char *single : {"Hebrew", "Icelandic"}) {
    QTreeWidgetItem *node = TopLevelNamed(form.Tree(), QString::fromLatin1(single));
    ASSERT_NE(node, nullptr) << single;
    EXPECT_EQ(node->childCount(), 0) << single;
  }
  EXPECT_EQ(TopLevelNamed(form.Tree(), QStringLiteral("German"))->childCount(), 5);
  // No node anywhere has exactly one child, and no child has children.
  for (QTreeWidgetItemIterator it(form.Tree()); *it; ++it) {
    EXPECT_NE((*it)->childCount(), 1) << (*it)->text(0).toStdString();
    if ((*it)->parent()) {
      EXPECT_EQ((*it)->childCount(), 0);
    }
  }
}

TEST_F(VnLanguageDialogs, SelectLanguageListsPrimaryLanguagesSortedByName) {
  TVnSelectLanguageForm form;
  QList<TVnNamedId> primaries;
  ASSERT_EQ(form.Tree()->topLevelItemCount(), ListPrimaryLanguages(primaries));
  for (int i = 1; i < form.Tree()->topLevelItemCount(); ++i)
    EXPECT_LE(QString::compare(form.Tree()->topLevelItem(i - 1)->text(0), form.Tree()->topLevelItem(i)->text(0),
                               Qt::CaseInsensitive),
              0)
        << i;
}

TEST_F(VnLanguageDialogs, SelectLanguageOkNeedsASelectionAndDoubleClickAccepts) {
  TVnSelectLanguageForm form;
  form.show();
  form.Tree()->clearSelection();
  EXPECT_FALSE(OkButton(form)->isEnabled());
  EXPECT_TRUE(form.SelectedCode().isEmpty());
  QTreeWidgetItem *hebrew = TopLevelNamed(form.Tree(), QStringLiteral("Hebrew"));
  ASSERT_NE(hebrew, nullptr);
  form.Tree()->setCurrentItem(hebrew);
  EXPECT_TRUE(OkButton(form)->isEnabled());
  emit form.Tree()->itemDoubleClicked(hebrew, 0);
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.SelectedCode(), QStringLiteral("he"));
}

TEST_F(VnLanguageDialogs, SelectLanguageFindsTheNodeOfACode) {
  TVnSelectLanguageForm form;
  for (const char *code : {"de_CH", "he", "de"}) {
    EXPECT_TRUE(form.SelectCode(QString::fromLatin1(code))) << code;
    EXPECT_EQ(form.SelectedCode(), QLatin1String(code));
  }
  EXPECT_FALSE(form.SelectCode(QStringLiteral("qx_QQ")));
}

// --- Custom languages --------------------------------------------------------

class VnCustomLanguagesDialog : public VnUiTest {
protected:
  void SetUp() override {
    FStore = std::make_unique<TVnCustomLanguages>(Path(QStringLiteral("settings/customlangs.xml")));
    FStore->SetEntries(kEntries);
    FStore->Save();
  }
  QList<TVnCustomLanguage> SavedEntries() const {
    TVnCustomLanguages reread(FStore->FileName());
    reread.Load();
    return reread.Entries();
  }
  static QStringList Column(const TVnCustomLanguagesForm &form, int column) {
    QStringList texts;
    for (int i = 0; i < form.List()->topLevelItemCount(); ++i)
      texts.append(form.List()->topLevelItem(i)->text(column));
    return texts;
  }

  const QList<TVnCustomLanguage> kEntries = {{QStringLiteral("qx"), QStringLiteral("Example")},
                                             {QStringLiteral("qy_QQ"), QStringLiteral("Other")},
                                             {QStringLiteral("qz_QQ.ab"), QStringLiteral("Third")}};
  std::unique_ptr<TVnCustomLanguages> FStore;
};

TEST_F(VnCustomLanguagesDialog, ShowsTheStoreInOrderWithTheFirstLineSelected) {
  TVnCustomLanguagesForm form(*FStore);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Custom languages"));
  EXPECT_EQ(form.List()->headerItem()->text(0), QStringLiteral("Visible Name"));
  EXPECT_EQ(form.List()->headerItem()->text(1), QStringLiteral("ISO Code"));
  EXPECT_EQ(Column(form, 0), (QStringList{"Example", "Other", "Third"}));
  EXPECT_EQ(Column(form, 1), (QStringList{"qx", "qy_QQ", "qz_QQ.ab"}));
  EXPECT_EQ(form.List()->selectedItems(), QList<QTreeWidgetItem *>{form.List()->topLevelItem(0)});
  EXPECT_TRUE(form.EditButton()->isEnabled());
  EXPECT_TRUE(form.RemoveButton()->isEnabled());
  form.List()->clearSelection();
  EXPECT_FALSE(form.EditButton()->isEnabled());
  EXPECT_FALSE(form.RemoveButton()->isEnabled());
}

TEST_F(VnCustomLanguagesDialog, AnEmptyStoreSelectsNothing) {
  FStore->SetEntries({});
  TVnCustomLanguagesForm form(*FStore);
  EXPECT_EQ(form.List()->topLevelItemCount(), 0);
  EXPECT_FALSE(form.EditButton()->isEnabled());
  EXPECT_FALSE(form.RemoveButton()->isEnabled());
  EXPECT_TRUE(form.AddButton()->isEnabled());
}

TEST_F(VnCustomLanguagesDialog, RemoveTakesEverySelectedLineWithoutAsking) {
  TVnCustomLanguagesForm form(*FStore);
  form.List()->topLevelItem(0)->setSelected(true);
  form.List()->topLevelItem(2)->setSelected(true);
  form.RemoveButton()->click();
  EXPECT_EQ(Column(form, 1), QStringList{"qy_QQ"});
  EXPECT_TRUE(FMessages.Shown().isEmpty());
  form.List()->clearSelection();
  EXPECT_FALSE(form.RemoveButton()->isEnabled());
}

TEST_F(VnCustomLanguagesDialog, AddAndEditTellTheEditorWhichCodesAreTaken) {
  TVnCustomLanguagesForm form(*FStore);
  QList<std::pair<TVnCustomLanguage, QStringList>> calls;
  std::optional<TVnCustomLanguage> answer;
  form.SetEditEntry([&](const TVnCustomLanguage &entry, const QStringList &taken, QWidget *) {
    calls.append({entry, taken});
    return answer;
  });

  answer = TVnCustomLanguage{QStringLiteral("qw"), QStringLiteral("Added")};
  form.AddButton()->click();
  ASSERT_EQ(calls.size(), 1);
  EXPECT_EQ(calls[0].first, TVnCustomLanguage{});
  EXPECT_EQ(calls[0].second, (QStringList{"qx", "qy_QQ", "qz_QQ.ab"}));
  EXPECT_EQ(Column(form, 1), (QStringList{"qx", "qy_QQ", "qz_QQ.ab", "qw"}));
  EXPECT_EQ(form.List()->currentItem(), form.List()->topLevelItem(3));
  EXPECT_TRUE(form.List()->topLevelItem(3)->isSelected());

  form.List()->setCurrentItem(form.List()->topLevelItem(1));
  answer = TVnCustomLanguage{QStringLiteral("qv_QQ"), QStringLiteral("Renamed")};
  form.EditButton()->click();
  ASSERT_EQ(calls.size(), 2);
  EXPECT_EQ(calls[1].first, (TVnCustomLanguage{QStringLiteral("qy_QQ"), QStringLiteral("Other")}));
  EXPECT_EQ(calls[1].second, (QStringList{"qx", "qz_QQ.ab", "qw"}));
  EXPECT_EQ(Column(form, 0), (QStringList{"Example", "Renamed", "Third", "Added"}));
  EXPECT_EQ(Column(form, 1), (QStringList{"qx", "qv_QQ", "qz_QQ.ab", "qw"}));

  answer.reset(); // the editor is cancelled
  form.EditButton()->click();
  form.AddButton()->click();
  EXPECT_EQ(Column(form, 1), (QStringList{"qx", "qv_QQ", "qz_QQ.ab", "qw"}));
}

TEST_F(VnCustomLanguagesDialog, OkWritesTheLinesInOrderAndSavesThem) {
  TVnCustomLanguagesForm form(*FStore);
  form.SetEditEntry([](const TVnCustomLanguage &, const QStringList &, QWidget *) {
    return std::optional<TVnCustomLanguage>({QStringLiteral("qw_QQ"), QStringLiteral("Added")});
  });
  form.show();
  form.List()->setCurrentItem(form.List()->topLevelItem(0));
  form.RemoveButton()->click();
  form.AddButton()->click();
  OkButton(form)->click();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  const QList<TVnCustomLanguage> expected = {kEntries[1], kEntries[2], {QStringLiteral("qw_QQ"), QStringLiteral("Added")}};
  EXPECT_EQ(FStore->Entries(), expected);
  EXPECT_EQ(SavedEntries(), expected);
  EXPECT_TRUE(FMessages.Shown().isEmpty());
}

TEST_F(VnCustomLanguagesDialog, CancelLeavesStoreAndFileAsTheyWere) {
  TVnCustomLanguagesForm form(*FStore);
  form.show();
  form.List()->selectAll();
  form.RemoveButton()->click();
  ASSERT_EQ(form.List()->topLevelItemCount(), 0);
  form.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_EQ(FStore->Entries(), kEntries);
  EXPECT_EQ(SavedEntries(), kEntries);
}

TEST_F(VnCustomLanguagesDialog, ASaveFailureIsReportedAndKeepsTheDialogAndStoreAsTheyWere) {
  // The store's folder is a file: nothing can be written there.
  ASSERT_TRUE(VnTestWriteBytes(Path(QStringLiteral("blocked")), "not a folder"));
  TVnCustomLanguages store(Path(QStringLiteral("blocked/customlangs.xml")));
  store.SetEntries(kEntries);
  TVnCustomLanguagesForm form(store);
  form.show();
  form.List()->setCurrentItem(form.List()->topLevelItem(0));
  form.RemoveButton()->click();
  OkButton(form)->click();
  EXPECT_TRUE(form.isVisible());
  EXPECT_NE(form.result(), QDialog::Accepted);
  ASSERT_EQ(FMessages.Shown().size(), 1);
  EXPECT_EQ(FMessages.Shown()[0].Type, TVnMsgType::Error);
  EXPECT_TRUE(FMessages.Shown()[0].Text.contains(store.FileName()));
  EXPECT_EQ(store.Entries(), kEntries);
  EXPECT_EQ(form.List()->topLevelItemCount(), 2); // the user's edits are still there to retry
}

} // namespace
