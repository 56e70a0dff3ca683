#pragma once

// A small project that shows every kind of row the model must handle: quoted
// texts, a test translation standing in for an empty one, a removed row, a
// custom-data row, a disabled target and three project languages.

#include "project/VnV7Project.h"

#include <QBuffer>

inline const char *kVnSampleProject = R"(<?xml version="1.0" encoding="UTF-8"?>
<xml version="1.0.0.0">
  <targets>
    <target scanner="{11111111-2222-3333-4444-555555555555}">
      <options>
        <filename>one.rc</filename>
        <encodings>
          <native_encoding><code>en</code><encoding>utf-8</encoding></native_encoding>
          <output_language_list>
            <language><code>de</code><encoding>cp1252</encoding></language>
            <language><code>fr</code></language>
          </output_language_list>
        </encodings>
      </options>
      <stringdata>
        <row name="r0" status="new" comment="greeting" maxchar="10"><native>&quot;Open &amp; go&quot;</native><lang id="de" status="translated" comment="ok">&quot;Öffnen&quot;</lang><lang id="fr">&quot;Ouvrir&quot;</lang></row>
        <row name="r1" readonly="yes"><native>&quot;Close&quot;</native><lang id="de" test="[Close]">&quot;&quot;</lang></row>
        <row name="r2" status="removed"><native>&quot;Gone&quot;</native><lang id="de">&quot;Weg&quot;</lang></row>
      </stringdata>
      <customdata>
        <row name="c0"><native>&quot;Custom&quot;</native></row>
      </customdata>
    </target>
    <target enabled="False">
      <options><filename>two.rc</filename></options>
      <stringdata><row name="d0"><native>&quot;Hidden&quot;</native></row></stringdata>
    </target>
    <target>
      <options><filename>/abs/three.txt</filename></options>
      <stringdata>
        <row name="t0"><native>&quot;Three&quot;</native></row>
        <row name="t1" status="removed"><native>&quot;Four&quot;</native></row>
      </stringdata>
    </target>
  </targets>
  <languages active="0"><language>de</language><language>fr</language><language>it</language></languages>
</xml>
)";

/// Loads XML text into a project as a file would be.
inline void VnLoadProjectText(TVnV7Project &project, const QByteArray &xml) {
  QByteArray bytes = xml;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  project.LoadFromStream(buffer);
}
