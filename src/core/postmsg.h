#pragma once

#include <QObject>

// The application-wide signal hub: windows, the device worker and the
// library callbacks talk only through its signals. Receivers connect to it
// in their constructors; senders fetch it and emit.
class PostMsg : public QObject
{
    Q_OBJECT
public:
    // Created on first use, in the GUI thread, and never destroyed.
    static PostMsg *instance();

signals:
    void SigChangeLanguage(int index);
    void SigCloseOffOnline();
    void SigAllLanguage(int Index);

private:
    PostMsg() = default;
};
