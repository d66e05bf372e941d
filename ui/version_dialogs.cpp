#include "ui/version_dialogs.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "ui_fetch_failed_dialog.h"
#include "ui_new_version_dialog.h"

namespace qichun {
namespace {

constexpr Qt::WindowFlags kDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

void SetUpDialog(QDialog& dialog) {
  dialog.setWindowFlags(kDialogFrame);
  dialog.setFixedSize(dialog.size());
  dialog.setModal(true);
}

// Centred lines in a 16-pixel font of normal weight; margins and line spacing
// kept tight so that the five lines fit the box without scrolling.
void SetUpMessage(QTextEdit& message) {
  QFont font = message.font();
  font.setPixelSize(16);
  font.setWeight(QFont::Normal);
  message.setFont(font);
  message.document()->setDocumentMargin(2);
  message.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  message.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QTextCursor everything(message.document());
  everything.select(QTextCursor::Document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  centred.setLineHeight(20, QTextBlockFormat::FixedHeight);
  everything.mergeBlockFormat(centred);
  message.setAlignment(Qt::AlignHCenter);
}

}  // namespace

NewVersionDialog::NewVersionDialog(QUrl downloadPage, BrowserOpener openBrowser, QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::NewVersionDialog>()),
      m_downloadPage(std::move(downloadPage)),
      m_openBrowser(std::move(openBrowser)) {
  m_ui->setupUi(this);
  SetUpDialog(*this);
  SetUpMessage(*m_ui->编辑框1);
  connect(m_ui->按钮1, &QPushButton::clicked, this, [this] {
    m_openBrowser(m_downloadPage);
    accept();
  });
  connect(m_ui->按钮2, &QPushButton::clicked, this, &QDialog::accept);
}

NewVersionDialog::~NewVersionDialog() = default;

FetchFailedDialog::FetchFailedDialog(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::FetchFailedDialog>()) {
  m_ui->setupUi(this);
  SetUpDialog(*this);
  SetUpMessage(*m_ui->编辑框1);
  connect(m_ui->按钮2, &QPushButton::clicked, this, &QDialog::accept);
}

FetchFailedDialog::~FetchFailedDialog() = default;

}  // namespace qichun
