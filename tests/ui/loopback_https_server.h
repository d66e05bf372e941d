#pragma once

// A one-page HTTPS server on 127.0.0.1 with a test certificate for that address.

#include <QByteArray>
#include <QFile>
#include <QHostAddress>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QUrl>

#include "http_request_head.h"

namespace qichun::testing {

inline QByteArray ReadTestData(const char* name) {
  QFile file(QStringLiteral(QICHUN_UI_TEST_DATA "/") + QString::fromUtf8(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QSslCertificate LoopbackCertificate() { return QSslCertificate(ReadTestData("loopback-cert.pem")); }

class LoopbackHttpsServer : public QObject {
 public:
  LoopbackHttpsServer() {
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(LoopbackCertificate());
    tls.setPrivateKey(QSslKey(ReadTestData("loopback-key.pem"), QSsl::Rsa));
    m_server.setSslConfiguration(tls);
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::pendingConnectionAvailable, this, [this] { Accept(); });
  }

  void Answer(int status, QByteArray body, QByteArray extraHeaders = {}) {
    m_status = status;
    m_body = std::move(body);
    m_extraHeaders = std::move(extraHeaders);
  }
  QUrl Url() const { return QUrl(QStringLiteral("https://127.0.0.1:%1/version.txt").arg(m_server.serverPort())); }
  int Requests() const { return m_requests; }

 private:
  void Accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
      AnswerEachRequestHead(socket, [this](QTcpSocket* client) {
        ++m_requests;
        client->write("HTTP/1.1 " + QByteArray::number(m_status) + " Status\r\nContent-Length: " +
                      QByteArray::number(m_body.size()) + "\r\n" + m_extraHeaders + "Connection: close\r\n\r\n" +
                      m_body);
        client->disconnectFromHost();
      });
    }
  }

  QSslServer m_server;
  int m_status = 200;
  QByteArray m_body;
  QByteArray m_extraHeaders;
  int m_requests = 0;
};

}  // namespace qichun::testing
