#pragma once

// The scanner contract: a scanner reads a file of its format into rows (Scan)
// and writes localised copies of it (Build). One object per target.
//
// All texts are BSTR (UTF-16); results are variants whose [out] parameters
// arrive empty and are cleared by the host. Ordinary outcomes travel in the
// results; a failing HRESULT is an error the host reports.

#include "vantria/com/VnCom.h"

inline constexpr IID IID_IGeneralScanner = VnGuid("{261C2B92-E62A-494E-91CB-0A213264C8F7}");

struct IGeneralScanner : IUnknown {
  /// Scans the target. `options` [in,out]: the scan request document
  /// (<scan><options>...</options></scan>) as text; a scanner may replace it
  /// with changed options. `log` [out]: a report document for the report
  /// window. `result` [out]: the scan result document (with "stringdata" and
  /// maybe "customdata"), or the path of a file in the temporary folder that
  /// holds it in UTF-8, which the host reads and deletes. Runs on a worker
  /// thread while GetStatus and Abort may be called from another one.
  virtual HRESULT Scan(VARIANT *options, std::int32_t reserved, VARIANT *log, VARIANT *result) noexcept = 0;
  /// Builds the localised file. `options` [in]: the build request document (the
  /// target with its rows ready to write); `languages`: the language code to
  /// build, or every code followed by ";". `result` [out]: a report text.
  virtual HRESULT Build(VARIANT *options, std::int32_t reserved, BSTR languages, VARIANT *result) noexcept = 0;
  /// `info` [out]: a document whose root holds "name",
  /// "supported_file_extensions" and "short_description".
  virtual HRESULT GetInfo(VARIANT *info) noexcept = 0;
  /// `status` [out]: a document whose root child "percentage" holds 0 to 100.
  /// Called from another thread while Scan or Build runs.
  virtual HRESULT GetStatus(VARIANT *status) noexcept = 0;
  /// Ends a running Scan or Build soon. Called from another thread.
  virtual HRESULT Abort() noexcept = 0;
  /// Shows the scanner's own options dialog. `options` [in,out]: the options
  /// document; a changed variant means the options changed. A scanner whose
  /// version is below 1.1.0.0 gets 8-bit UTF-8 text, newer ones UTF-16.
  virtual HRESULT EditOptions(VARIANT *options) noexcept = 0;
  /// Never called; present so that the table keeps its size.
  virtual HRESULT Reserved7() noexcept = 0;
  virtual HRESULT Reserved8() noexcept = 0;

protected:
  ~IGeneralScanner() = default;
};
