#pragma once

#include <QString>

#include <optional>

namespace pw {

// Passwords in the desktop's keyring (Secret Service, KWallet, the macOS keychain, Windows'
// credential store). Each call waits at most a few seconds; where no keyring service runs it
// answers at once that it could not, and the caller keeps the value in the settings file.
bool storeSecret(const QString& key, const QString& value);
std::optional<QString> readSecret(const QString& key);
void forgetSecret(const QString& key);

// The keyring's service name; tests use one of their own.
void setKeyringService(const QString& service);

// The e-mail password: in the keyring when there is one, else in the settings file as before.
// The setting "EmailPasswordKept" says where ("Keyring" or "Settings").
void writeEmailPassword(const QString& password);
QString readEmailPassword();

}  // namespace pw
