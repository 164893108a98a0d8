#include "core/wmbus/route/RouteKeyProtection.h"

#include "core/wmbus/crypto/KeyText.h"

namespace kvq::wmbus {

namespace {

constexpr crypto::Key kFileKey = {0xA1, 0xB2, 0xC3, 0xD4, 0xE5, 0xF6, 0x07, 0x18,
                                  0x29, 0x3A, 0x4B, 0x5C, 0x6D, 0x7E, 0x8F, 0x90};

QString compactHex(const crypto::Key& bytes) {
    QString text = QString::fromStdString(crypto::KeyToText(bytes));
    text.remove(u' ');
    return text;
}

} // namespace

QString protectKeyText(const QString& keyText) {
    const std::string text = keyText.toStdString();
    if (crypto::CheckKeyText(text) == crypto::KeyTextFault::Empty)
        return {};
    return compactHex(crypto::EncryptBlock(kFileKey, crypto::ParseKeyText(text)));
}

Result<QString> unprotectKeyText(const QString& stored) {
    const std::string text = stored.toStdString();
    switch (crypto::CheckKeyText(text)) {
    case crypto::KeyTextFault::Empty:
        return QString();
    case crypto::KeyTextFault::None:
        break;
    default:
        return Result<QString>::failure(QStringLiteral("not 32 hex digits"), ErrorCode::BadInput);
    }
    return compactHex(crypto::DecryptBlock(kFileKey, crypto::ParseKeyText(text)));
}

} // namespace kvq::wmbus
