// MessageLog: the messages Qt logs while the object lives, those `keeps` accepts.
#pragma once

#include <QStringList>
#include <QtGlobal>

namespace zelvane::testing {

class MessageLog {
  public:
    using Filter = bool (*)(QtMsgType, const QMessageLogContext&, const QString&);

    explicit MessageLog(Filter keeps) {
        kept() = {};
        filter() = keeps;
        previous_ = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (filter()(type, context, text))
                    kept() << text;
            });
    }
    ~MessageLog() { qInstallMessageHandler(previous_); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    const QStringList& messages() const { return kept(); }

  private:
    static QStringList& kept() {
        static QStringList messages;
        return messages;
    }
    static Filter& filter() {
        static Filter keeps = nullptr;
        return keeps;
    }
    QtMessageHandler previous_;
};

} // namespace zelvane::testing
