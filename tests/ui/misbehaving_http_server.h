#pragma once

// An HTTP server on 127.0.0.1 that answers badly, for the version check's
// failure paths: a body that never ends, a huge body, a redirect loop, a slow trickle.

#include <QByteArray>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include "http_request_head.h"

namespace qichun::testing {

enum class Misbehaviour {
  EndlessBody,   // no length, chunks of page text for as long as the client listens
  HugeBody,      // announces and sends 8 MiB
  RedirectLoop,  // every answer redirects to itself
  Trickle,       // a few bytes every 100 ms of a long announced body: only the time-out ends it
};

class MisbehavingHttpServer : public QObject {
 public:
  explicit MisbehavingHttpServer(Misbehaviour misbehaviour) : m_misbehaviour(misbehaviour) {
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] { Accept(); });
  }

  QUrl Url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/version.txt").arg(m_server.serverPort())); }

 private:
  void Accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
      AnswerEachRequestHead(socket, [this](QTcpSocket* client) { Misbehave(client); });
    }
  }

  void Misbehave(QTcpSocket* socket) {
    switch (m_misbehaviour) {
      case Misbehaviour::EndlessBody:
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n");
        Repeat(socket, 5, QByteArray("开始[1.13|x]").repeated(64));
        break;
      case Misbehaviour::HugeBody: {
        const QByteArray body = "开始[1.13|x]" + QByteArray(8 * 1024 * 1024, 'x');
        socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        break;
      }
      case Misbehaviour::RedirectLoop:
        socket->write("HTTP/1.1 302 Found\r\nLocation: " + Url().toEncoded() + "\r\nContent-Length: 0\r\n\r\n");
        break;
      case Misbehaviour::Trickle:
        socket->write("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n");
        Repeat(socket, 100, "开");
        break;
    }
  }

  // Writes `piece` every `intervalMs` until the client goes away.
  void Repeat(QTcpSocket* socket, int intervalMs, QByteArray piece) {
    auto* timer = new QTimer(socket);
    connect(timer, &QTimer::timeout, socket, [socket, piece] {
      if (socket->state() == QAbstractSocket::ConnectedState) socket->write(piece);
    });
    timer->start(intervalMs);
  }

  Misbehaviour m_misbehaviour;
  QTcpServer m_server;
};

}  // namespace qichun::testing
