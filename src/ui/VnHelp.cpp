#include "ui/VnHelp.h"

#include "core/VnFolders.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const struct {
  int Context;
  const char *Page;
} kPages[] = {
    {1100, "options.html"},
    {2001, "project-missing.html"},
    {2014, "old-projects.html"},
    {2020, "removed-rows.html"},
    {2023, "cannot-open.html"},
    {2026, "fatal-issues.html"},
    {2027, "fatal-issues.html"},
};

} // namespace

QString VnHelpPageOf(int context) {
  for (const auto &page : kPages)
    if (page.Context == context)
      return QLatin1String(page.Page);
  return QStringLiteral("index.html");
}

void VnShowHelp(int context, QWidget *parent) {
  QDialog viewer(parent);
  viewer.setWindowTitle(QStringLiteral("vantriadesk Help"));
  viewer.resize(720, 560);
  auto *browser = new QTextBrowser(&viewer);
  browser->setOpenExternalLinks(true);
  browser->setSearchPaths({SharedApplicationFolder() + QStringLiteral("help")});
  browser->setSource(QUrl(VnHelpPageOf(context)));
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &viewer);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &viewer, &QDialog::reject);
  auto *layout = new QVBoxLayout(&viewer);
  layout->addWidget(browser);
  layout->addWidget(buttons);
  viewer.exec();
}
