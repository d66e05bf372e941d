#pragma once

// The two small windows of the version check. Closing either by its close
// box or Esc is the same as "确定".

#include <QDialog>
#include <QUrl>

#include <functional>
#include <memory>

namespace Ui {
class NewVersionDialog;
class FetchFailedDialog;
}  // namespace Ui

namespace qichun {

using BrowserOpener = std::function<void(const QUrl&)>;

class NewVersionDialog : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY(NewVersionDialog)

 public:
  // "下载" hands `downloadPage` to `openBrowser`, then closes the dialog.
  NewVersionDialog(QUrl downloadPage, BrowserOpener openBrowser, QWidget* parent = nullptr);
  ~NewVersionDialog() override;

 private:
  std::unique_ptr<Ui::NewVersionDialog> m_ui;
  QUrl m_downloadPage;
  BrowserOpener m_openBrowser;
};

class FetchFailedDialog : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY(FetchFailedDialog)

 public:
  explicit FetchFailedDialog(QWidget* parent = nullptr);
  ~FetchFailedDialog() override;

 private:
  std::unique_ptr<Ui::FetchFailedDialog> m_ui;
};

}  // namespace qichun
