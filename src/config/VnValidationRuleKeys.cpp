#include "config/VnValidationRuleKeys.h"

#include "core/VnError.h"

namespace {

using G = TVnCheckGroup;

// Key, default severity, group, fixable, settings-level.

const TVnValidationRuleKey kRules[] = {
    {"MissTranslation", 0, G::Row, false, false},
    {"CFormat", 2, G::Row, false, false},
    {"VCLFormat", 2, G::Row, false, false},
    {"AmountPlaceholders", 2, G::Row, false, false},
    {"OrderPlaceholders", 1, G::Row, false, false},
    {"AmountNewLine", 1, G::Row, false, false},
    {"AmountWhiteSpaces", 1, G::Row, true, false},
    {"AmountTabs", 1, G::Row, true, false},
    {"MissEllipse", 1, G::Row, true, false},
    {"MissColon", 1, G::Row, true, false},
    {"MissPeriod", 1, G::Row, true, false},
    {"PeriodAdded", 1, G::Row, true, false},
    {"ColonAdded", 1, G::Row, true, false},
    {"EllipseAdded", 1, G::Row, true, false},
    {"InvHotkeyCharSource", 1, G::Source, false, false},
    {"InvHotkeyPosSource", 2, G::Source, false, false},
    {"InvHotkeyCharTrans", 1, G::Row, false, false},
    {"InvHotkeyPosTrans", 2, G::Row, false, false},
    {"InvalidNumbers", 1, G::Row, false, false},
    {"TargetNoNative", 1, G::Target, true, true},
    {"InvalidUserSymbols", 1, G::Symbols, false, false},
    {"MissHotKeyInSource", 1, G::Source, false, false},
    {"MissHotKeyInTrans", 1, G::Row, true, false},
    {"PlaceholdersMismatch", 2, G::Row, false, false},
    {"TargetCodePageConversionNeed", 2, G::Target, false, true},
    {"CodePageInvalidCharacter", 2, G::Row, false, false},
    {"Capitalization", 1, G::Row, true, false},
    {"CodePageNativeAllSame", 1, G::Project, false, true},
    {"TranslationsConsistence", 1, G::Row, false, true},
    {"NativeLanguageAllSame", 1, G::Target, false, true},
    {"LostedVNZLink", 2, G::Row, false, false},
    {"MissingShortCut", 1, G::Row, true, false},
    {"EasternInvalidHotkey", 1, G::Row, true, false},
    {"FilterMismatch", 1, G::Row, false, false},
    {"SourceVCLFormat", 2, G::Source, false, false},
    {"LinefeedAdded", 1, G::Row, false, false},
    {"MissLinefeed", 1, G::Row, false, false},
};
static_assert(std::size(kRules) == VnValidationRuleCount, "one row per validation rule");

} // namespace

std::span<const TVnValidationRuleKey> VnValidationRuleKeys() { return kRules; }

void VnCheckValidationRuleIndex(int index) {
  if (index < 0 || index >= VnValidationRuleCount)
    throw EVnAssertion(QStringLiteral("Get invalid severity: %1").arg(index));
}

const TVnValidationRuleKey &VnValidationRuleKey(int index) {
  VnCheckValidationRuleIndex(index);
  return kRules[index];
}
