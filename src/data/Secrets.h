// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace pw {

struct DbLocation;

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

// The database setting. The password of a postgresql:// address goes to the keyring where there
// is one, and the setting keeps the address without it; otherwise the address is kept whole.
void writeDatabaseSetting(const QString& setting);
// Gives an address read from the setting its password back from the keyring.
void completeFromKeyring(DbLocation& location);

}  // namespace pw
