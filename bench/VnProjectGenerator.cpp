#include "VnProjectGenerator.h"

#include <string>

namespace {

const char *const kStatuses[] = {"new", "active", "changed", ""};
const char *const kTransStatuses[] = {"translated", "fuzzy", "auto", "qaed", "ready"};

void AppendRow(std::string &out, int target, int row, const QStringList &languages) {
  const std::string id = std::to_string(target) + "." + std::to_string(row);
  out += "      <row name=\"IDS_" + id + "\" status=\"" + kStatuses[row % 4] + "\">";
  out += "<native>&quot;Sample text number " + id + " with a few words&quot;</native>";
  for (const QString &language : languages) {
    const std::string code = language.toStdString();
    out += "<lang id=\"" + code + "\" status=\"" + kTransStatuses[row % 5] + "\">&quot;[" + code +
           "] Sample text number " + id + "&quot;</lang>";
  }
  out += "</row>\r\n";
}

} // namespace

QByteArray VnGenerateProject(const TVnGeneratedProjectShape &shape) {
  std::string out = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<xml>\r\n  <targets>\r\n";
  out.reserve(std::size_t(shape.Targets) * std::size_t(shape.RowsPerTarget) * (160 + 70 * shape.Languages.size()));
  for (int t = 0; t < shape.Targets; ++t) {
    out += "  <target><options><filename>target" + std::to_string(t) + ".rc</filename></options>\r\n";
    out += "    <stringdata>\r\n";
    for (int r = 0; r < shape.RowsPerTarget; ++r)
      AppendRow(out, t, r, shape.Languages);
    out += "    </stringdata>\r\n  </target>\r\n";
  }
  out += "  </targets>\r\n  <languages active=\"0\">";
  for (const QString &language : shape.Languages)
    out += "<language>" + language.toStdString() + "</language>";
  out += "</languages>\r\n</xml>\r\n";
  return QByteArray(out.data(), qsizetype(out.size()));
}
