// Configured importers and memories over the test plug-ins: connecting,
// asking for translations, what a memory can do and which one is live.

#include "plugins/VnImporterManager.h"

#include "com/VnComLoader.h"
#include "com/VnComText.h"

#include "core/VnError.h"

#include "VnTestControlHelpers.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

/// Registers a test plug-in and answers its class in registry form.
QString Registered(const char *library, const CLSID &clsid) {
  VnRegisterServer(QString::fromUtf8(library));
  return VnGuidText(clsid);
}

TVnImporterConfig &AddImporter(TVnImporterManager &manager) {
  TVnImporterConfig &entry = manager.AddConfig();
  entry.ClassId = Registered(VN_TEST_IMPORTER_PLUGIN, CLSID_VnTestImporter);
  entry.CreateObject();
  return entry;
}

TEST(VnImporterManager, EnablingKeepsTheEntryConnectedOnlyForZeroOrMinusFour) {
  struct TCase {
    const char *Name;
    int Answer;
    int Throw;          // 0 none, 1 an exception in the plug-in
    HRESULT Failure;    // a failing result code
    bool StaysEnabled;
    bool Raises;
  } const cases[] = {
      {"success", 0, 0, S_OK, true, false},
      {"pair not supported", -4, 0, S_OK, true, false},
      {"cancelled", -1, 0, S_OK, false, false},
      {"bad configuration", -3, 0, S_OK, false, false},
      {"exception", 0, 1, S_OK, false, true},
      {"failing call", 0, 0, E_FAIL, false, true},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Name);
    TVnImporterManager manager;
    TVnImporterConfig &entry = AddImporter(manager);
    const auto control = VnControlOf(entry.Importer());
    VnAnswerInt(control.Get(), opImpEnable, c.Answer);
    control->SetThrow(opImpEnable, c.Throw);
    control->SetFailure(opImpEnable, c.Failure);
    if (c.Raises)
      EXPECT_THROW(manager.SetEnabled(entry, true), EVnError);
    else
      manager.SetEnabled(entry, true);
    EXPECT_EQ(entry.Enabled, c.StaysEnabled);
    EXPECT_EQ(VnCalls(control.Get(), opImpDisable), c.StaysEnabled ? 0 : 1);

    manager.SetEnabled(entry, false);
    EXPECT_FALSE(entry.Enabled);
    EXPECT_EQ(VnCalls(control.Get(), opImpDisable), c.StaysEnabled ? 1 : 2);
  }
}

TEST(VnImporterManager, QueryTranslationsAsksConnectedEntriesInOrder) {
  TVnImporterManager manager;
  TVnImporterConfig &first = AddImporter(manager);
  TVnImporterConfig &off = AddImporter(manager);
  TVnImporterConfig &second = AddImporter(manager);
  first.Enabled = second.Enabled = true;
  VnAnswerText(VnControlOf(first.Importer()).Get(), opImpTranslate,
             QStringLiteral("<r><translations><t match=\"80\" comment=\"c\" row_comment=\"rc\">Eins</t>"
                            "<t match=\"much\">Zwei</t></translations></r>"));
  VnAnswerText(VnControlOf(off.Importer()).Get(), opImpTranslate,
             QStringLiteral("<r><translations><t>Never</t></translations></r>"));
  VnAnswerText(VnControlOf(second.Importer()).Get(), opImpTranslate,
             QStringLiteral("<r><translations><t>Drei &amp; vier</t></translations></r>"));

  QStringList seen;
  const auto collect = [&](const TVnImporterCallbackData &d) {
    seen << QStringLiteral("%1:%2:%3:%4:%5").arg(d.Count).arg(d.Translation).arg(d.Match).arg(d.Comment, d.RowComment);
  };
  manager.QueryTranslations(QStringLiteral("One"), QString(), collect);
  EXPECT_EQ(seen, QStringList({QStringLiteral("1:Eins:80:c:rc"), QStringLiteral("2:Zwei:100::"),
                               QStringLiteral("3:Drei & vier:100::")}));
  EXPECT_EQ(VnCalls(VnControlOf(off.Importer()).Get(), opImpTranslate), 0);

  int changes = 0;
  manager.OnChange = [&](TVnImporterManager &) { ++changes; };
  manager.SetAllEnabled(false);
  seen.clear();
  manager.QueryTranslations(QStringLiteral("One"), QString(), collect);
  EXPECT_TRUE(seen.isEmpty());
  manager.SetAllEnabled(true);
  EXPECT_EQ(changes, 1);

  // A consumer's own failure is its own, not the plug-in's.
  EXPECT_THROW(manager.QueryTranslations(QStringLiteral("One"), QString(),
                                         [](const TVnImporterCallbackData &) { throw EVnError(QStringLiteral("mine")); }),
               EVnError);
  try {
    manager.QueryTranslations(QStringLiteral("One"), QString(),
                              [](const TVnImporterCallbackData &) { throw EVnError(QStringLiteral("mine")); });
  } catch (const EVnError &e) {
    EXPECT_EQ(e.Message(), QStringLiteral("mine"));
  }

  VnAnswerText(VnControlOf(second.Importer()).Get(), opImpTranslate, QStringLiteral("<r><translations>"));
  try {
    manager.QueryTranslations(QStringLiteral("One"), QString(), collect);
    ADD_FAILURE() << "a broken answer was accepted";
  } catch (const EVnError &e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Vantria failed to process translations returned by Translation Memory. "
                                          "Please reconfigure or disable it if you keep getting this error.\r\nTM "
                                          "returned the following data: \"<r><translations>\""));
  }
}

TEST(VnImporterManager, ParseTranslationsWithoutTranslationsElementYieldsNothing) {
  TVnImporterCallbackData data;
  int calls = 0;
  TVnImporterManager::ParseTranslations(QStringLiteral("<r><other><t>x</t></other></r>"), data,
                                        [&](const TVnImporterCallbackData &) { ++calls; });
  TVnImporterManager::ParseTranslations(QStringLiteral("<r><translations><t>x</t></translations></r>"), data, {});
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(data.Count, 1); // counted even without a consumer
  EXPECT_EQ(data.Translation, QStringLiteral("x"));
}

TEST(VnImporterManager, SetupEntryPassesTheEntrysOwnConfigurationAndAnswersTheResult) {
  TVnImporterManager manager;
  TVnImporterConfig &entry = AddImporter(manager);
  const auto control = VnControlOf(entry.Importer());
  VnAnswerText(control.Get(), opImpGetText, QStringLiteral("glossary.csv"));
  VnAnswerInt(control.Get(), opImpSetup, -2);
  EXPECT_EQ(manager.SetupEntry(entry, QStringLiteral("en"), QStringLiteral("de")), -2);
  EXPECT_EQ(VnCalls(control.Get(), opImpGetText), 1);
  EXPECT_EQ(entry.GetText(0), QStringLiteral("glossary.csv"));
  EXPECT_EQ(entry.PluginName(), QFileInfo(QStringLiteral(VN_TEST_IMPORTER_PLUGIN)).fileName());
}

TEST(VnTMManager, AttachingAMemoryAsksWhetherItCanStore) {
  struct TCase {
    const char *Name;
    int StoreAnswer; // 99: leave the answer empty
    int StoreThrows;
    bool CanStore;
  } const cases[] = {
      {"stores", 0, 0, true},    {"stores, positive", 3, 0, true}, {"refuses", -1, 0, false},
      {"says nothing", 99, 0, false}, {"throws", 0, 1, false},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Name);
    TVnTMManager manager;
    TVnTMConfig &entry = manager.AddConfig();
    entry.ClassId = Registered(VN_TEST_TM_PLUGIN, CLSID_VnTestTM);
    TVnComPtr<IGeneralTM> memory;
    VnCreateInstance(*VnGuidFromText(entry.ClassId), IID_IGeneralTM, memory.Receive());
    const auto control = VnControlOf(memory.Get());
    if (c.StoreAnswer != 99)
      VnAnswerInt(control.Get(), opTMStore, c.StoreAnswer);
    control->SetThrow(opTMStore, c.StoreThrows);
    control->SetThrow(opTMInquireA, 1); // swallowed
    manager.AttachMemory(entry, memory);
    EXPECT_EQ(entry.CanStore, c.CanStore);
    EXPECT_EQ(VnCalls(control.Get(), opTMInquireA), 1);
    EXPECT_EQ(VnCalls(control.Get(), opTMInquireB), 1);
    EXPECT_EQ(entry.Memory(), memory.Get());
  }
}

TEST(VnTMManager, TheLiveIndexFollowsItsEntry) {
  TVnTMManager manager;
  for (int i = 0; i < 4; ++i) {
    TVnTMConfig &entry = manager.AddConfig();
    entry.ClassId = Registered(VN_TEST_TM_PLUGIN, CLSID_VnTestTM);
    entry.CreateObject();
  }
  EXPECT_EQ(manager.LiveIndex(), -1);
  EXPECT_EQ(manager.LiveMemory(), nullptr);
  manager.SetLiveIndex(2);
  IGeneralTM *live = manager.LiveMemory();
  ASSERT_NE(live, nullptr);
  manager.DeleteConfig(0);
  EXPECT_EQ(manager.LiveIndex(), 1);
  manager.MoveConfig(1, 2);
  EXPECT_EQ(manager.LiveIndex(), 2);
  manager.MoveConfig(0, 2);
  EXPECT_EQ(manager.LiveIndex(), 1);
  EXPECT_EQ(manager.LiveMemory(), live);
  manager.DeleteConfig(1);
  EXPECT_EQ(manager.LiveIndex(), -1);
  EXPECT_EQ(manager.LiveMemory(), nullptr);
  EXPECT_THROW(manager.SetLiveIndex(2), EVnAssertion);
}

} // namespace
