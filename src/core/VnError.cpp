#include "core/VnError.h"

EVnError::EVnError(QString message)
    : FMessage(std::move(message)), FUtf8(FMessage.toStdString()) {}

EVnAssertion::EVnAssertion(const QString &message)
    : EVnError(QStringLiteral("Assertion failure: %1").arg(message)) {}
