#include "app/OrbelApplication.h"

#include "app/Error.h"
#include "app/Messenger.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

namespace {

QString ClassName(const std::exception& error) {
    const char* raw = typeid(error).name();
    int status = 0;
    char* readable = abi::__cxa_demangle(raw, nullptr, nullptr, &status);
    const QString name = QString::fromLatin1(status == 0 && readable ? readable : raw);
    std::free(readable);
    return name;
}

} // namespace

TOrbelApplication::TOrbelApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TOrbelApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const EAbort&) {
    } catch (const EOrbelError& error) {
        ReportError(error.Message(), ClassName(error));
    } catch (const std::exception& error) {
        ReportError(QString::fromLocal8Bit(error.what()), ClassName(error));
    }
    return true;
}

void TOrbelApplication::ReportError(const QString& message, const QString& errorClass) {
    if (m_handler)
        m_handler(message, errorClass);
    else
        Messenger().Message(TMsgKind::Error, message, TMsgButtons::Ok);
}
