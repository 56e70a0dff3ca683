#pragma once

// Small projects for the grid and tree tests, written row by row.

#include "project/VnV7Project.h"

#include "VnProjectFixture.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>

/// One row of a test project; attributes are XML text as stored.
struct TVnTestRow {
  const char *Name;
  const char *Native;
  const char *Translation = nullptr; // null: no translation element
  const char *RowAttributes = "";    // e.g. status="new" readonly="yes"
  const char *LangAttributes = "";   // e.g. status="fuzzy" comment="x"
};

inline QByteArray VnTestRowsXml(std::initializer_list<TVnTestRow> rows) {
  QByteArray xml;
  for (const TVnTestRow &row : rows) {
    xml += QByteArray("<row name=\"") + row.Name + "\" " + row.RowAttributes + "><native>&quot;" + row.Native +
           "&quot;</native>";
    if (row.Translation)
      xml += QByteArray("<lang id=\"de\" ") + row.LangAttributes + ">&quot;" + row.Translation + "&quot;</lang>";
    xml += "</row>";
  }
  return xml;
}

inline QByteArray VnTestTargetXml(const char *file, std::initializer_list<TVnTestRow> rows,
                                  std::initializer_list<TVnTestRow> custom = {}) {
  return QByteArray("<target><options><filename>") + file + "</filename></options><stringdata>" +
         VnTestRowsXml(rows) + "</stringdata><customdata>" + VnTestRowsXml(custom) + "</customdata></target>";
}

/// A project of the given targets with the languages de and fr, de active.
inline void VnLoadTestProject(TVnV7Project &project, const QByteArray &targets) {
  VnLoadProjectText(project, "<xml><targets>" + targets +
                                 "</targets><languages active=\"0\"><language>de</language>"
                                 "<language>fr</language></languages></xml>");
}
