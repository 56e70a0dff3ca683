#pragma once

// Importer and translation memory plug-ins: the files of their categories and
// the configured entries, each a plug-in object with its state, in the order
// of their priority.

#include "plugins/VnPluginManager.h"

#include "vantria/IGeneralImporter.h"
#include "vantria/IGeneralTM.h"
#include "vantria/com/VnComPtr.h"

#include <memory>
#include <vector>

class TVnImporterManager;

/// One candidate as translation consumers receive it.
struct TVnImporterCallbackData {
  QString RowComment;
  QString Translation;
  QString Comment;
  int Match = 0;    ///< similarity in percent
  int Count = 0;    ///< candidates parsed so far, this one included
  int Reserved1 = 0; ///< carries nothing; kept for consumers that pass it on
  int Reserved2 = 0;
};
using TVnTranslationCallback = std::function<void(const TVnImporterCallbackData &data)>;

/// One configured importer. The operations raise EVnError (EVnComError for a
/// failing call) naming the plug-in.
class TVnImporterConfig {
public:
  explicit TVnImporterConfig(TVnImporterManager &manager) : FManager(manager) {}
  virtual ~TVnImporterConfig() = default;
  TVnImporterConfig(const TVnImporterConfig &) = delete;
  TVnImporterConfig &operator=(const TVnImporterConfig &) = delete;

  QString ClassId;      ///< the plug-in's class in registry form
  bool Enabled = false; ///< connected: takes part in translation
  /// The settings string the entry was loaded with: saved again when the
  /// plug-in cannot tell its current one.
  QString LoadedSettings;

  TVnImporterManager &Manager() const { return FManager; }
  /// Creates the plug-in object of ClassId and keeps it.
  virtual void CreateObject();
  virtual bool HasObject() const { return bool(FImporter); }
  IGeneralImporter *Importer() const { return FImporter.Get(); }
  void SetImporter(TVnComPtr<IGeneralImporter> importer);

  /// Setup with a configuration string and a language pair; the result code.
  virtual int Setup(const QString &configuration, const QString &source, const QString &target, bool silent);
  /// GetText: for code 0 the configuration string.
  virtual QString GetText(int code);
  /// The translations document the plug-in answers for `text`.
  virtual QString Translate(const QString &text, const QString &context);
  /// Enable's result code.
  virtual int Enable();
  virtual void Disable();

  /// The plug-in's library name (or its class while none is known), for messages.
  const QString &PluginName() const { return FName; }

protected:
  /// Reads the library serving ClassId: its name, and its version, which
  /// decides how texts cross. Once per object, not per call.
  void ReadPluginFacts();
  QString FVersion;
  QString FName;

private:
  TVnImporterManager &FManager;
  TVnComPtr<IGeneralImporter> FImporter;
};

/// One configured translation memory.
class TVnTMConfig : public TVnImporterConfig {
public:
  using TVnImporterConfig::TVnImporterConfig;

  bool CanStore = false; ///< answered Store with four empty texts with 0 or more
  bool InquiredA = false; ///< InquireA answered 0 or more; not used further
  bool InquiredB = false; ///< InquireB answered 0 or more; not used further
  int LastResult = 0;    ///< of the last Setup or Open

  void CreateObject() override;
  bool HasObject() const override { return bool(FMemory); }
  IGeneralTM *Memory() const { return FMemory.Get(); }
  void SetMemory(TVnComPtr<IGeneralTM> memory);

  int Setup(const QString &configuration, const QString &source, const QString &target, bool silent) override;
  QString GetText(int code) override;
  /// Lookup; memories take no context.
  QString Translate(const QString &text, const QString &context) override;
  /// Memories have nothing to connect: 0.
  int Enable() override { return 0; }
  void Disable() override {}
  /// Open's result code.
  int Open();
  void Close(int mode);

private:
  TVnComPtr<IGeneralTM> FMemory;
};

/// A configured entry whose plug-in could not be loaded this run (missing,
/// unregistered, or failing). It stays out of the manager, but its settings
/// keep their place in the configuration until the plug-in is back.
struct TVnParkedEntry {
  int Position = 0; ///< index among the section's entries when it was read
  QString ClassId;
  bool Connected = true;
  QString Settings;
};

class TVnImporterManager : public TVnPluginManager {
public:
  TVnImporterManager() : TVnImporterManager(QStringLiteral("ImporterManager")) {}
  QString Suffix() const override { return QStringLiteral("Importer.so"); }
  QString FoundMessage() const override { return QStringLiteral("%1 importer(s) found in folder %2"); }

  /// Raised when the all-enabled switch is turned on.
  std::function<void(TVnImporterManager &sender)> OnChange;

  /// Appends a new empty entry and returns it.
  virtual TVnImporterConfig &AddConfig();
  int ConfigCount() const { return int(FConfigs.size()); }
  TVnImporterConfig &Configs(int index) const;
  /// Removes entry `index`, releasing its plug-in object.
  virtual void DeleteConfig(int index);
  /// Moves entry `from` to position `to` (the order is the priority).
  virtual void MoveConfig(int from, int to);

  bool AllEnabled() const { return FAllEnabled; }
  void SetAllEnabled(bool enabled);
  /// While on, Setup calls pass silent 1.
  bool Silent() const { return FSilent; }
  void SetSilent(bool silent) { FSilent = silent; }

  /// The configured entries that could not be loaded, by position.
  QList<TVnParkedEntry> &Parked() { return FParked; }
  const QList<TVnParkedEntry> &Parked() const { return FParked; }

  /// Connects or disconnects an entry. Enabling keeps it connected only when
  /// Enable answers 0 or -4; otherwise, and when Enable fails, the entry is
  /// disconnected and Disable called; Enable's failure is then raised.
  void SetEnabled(TVnImporterConfig &entry, bool enable);
  /// Setup with the entry's own configuration string, the pair and the silent switch.
  int SetupEntry(TVnImporterConfig &entry, const QString &source, const QString &target);
  /// Asks every connected entry in order and hands each candidate to
  /// `callback`; nothing while the all-enabled switch is off.
  void QueryTranslations(const QString &text, const QString &context, const TVnTranslationCallback &callback);
  /// Reads a translations document, calling `callback` (when given) once per
  /// candidate with `data` filled and its count moved on.
  static void ParseTranslations(const QString &document, TVnImporterCallbackData &data,
                                const TVnTranslationCallback &callback);

protected:
  explicit TVnImporterManager(QString name) : TVnPluginManager(std::move(name)) {}
  virtual std::unique_ptr<TVnImporterConfig> NewConfig();

private:
  std::vector<std::unique_ptr<TVnImporterConfig>> FConfigs;
  QList<TVnParkedEntry> FParked;
  bool FAllEnabled = true;
  bool FSilent = false;
};

class TVnTMManager : public TVnImporterManager {
public:
  TVnTMManager() : TVnImporterManager(QStringLiteral("TMManager")) {}
  QString Suffix() const override { return QStringLiteral("TM.so"); }
  QString FoundMessage() const override { return QStringLiteral("%1 TM(s) found in folder %2"); }

  TVnTMConfig &AddConfig() override;
  TVnTMConfig &Configs(int index) const;
  /// The live index follows its entry; deleting the live entry leaves none live.
  void DeleteConfig(int index) override;
  void MoveConfig(int from, int to) override;

  /// The configured memory in use; -1 for none.
  int LiveIndex() const { return FLiveIndex; }
  void SetLiveIndex(int index);
  /// The live memory's object; null while none is live.
  IGeneralTM *LiveMemory() const;
  /// Stores `memory` in `entry` and asks it what it can do: Store with four
  /// empty texts sets CanStore, then InquireA and InquireB. Failures of these
  /// inquiries are swallowed.
  void AttachMemory(TVnTMConfig &entry, TVnComPtr<IGeneralTM> memory);

protected:
  std::unique_ptr<TVnImporterConfig> NewConfig() override;

private:
  int FLiveIndex = -1;
};
