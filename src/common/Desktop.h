// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace pw {

// The program's doors to the rest of the desktop: the browser, the editor for a file, other
// programs. Tests install their own to see what would have been opened.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool hasBrowser() = 0;
    virtual bool openUrl(const QUrl& url) = 0;
    // Opens a file with the desktop's default program for it (an editor for text files).
    virtual bool openFile(const QString& path) = 0;
    // Starts a program with an argument list; no shell is involved.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
};

Desktop& desktop();
void setDesktop(Desktop* d);  // not owned; nullptr restores the real desktop

// Opens a web address in the browser. Returns "" on success (and when there is no browser, after
// telling the coach so), or "URLFailed" when the address is empty, is not an http or https
// address, or cannot be opened. An address without a scheme is taken as http.
QString OpenInBrowser(const QString& address);

}  // namespace pw
