#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// An INI file read and written by group and key as UTF-8 text. Operations
// are serialised: the device worker and the library's callback thread read
// the stores too.
class IniFileStore
{
public:
    explicit IniFileStore(const QString &path);
    virtual ~IniFileStore();

    IniFileStore(const IniFileStore &) = delete;
    IniFileStore &operator=(const IniFileStore &) = delete;

    virtual QString value(const QString &group, const QString &key) const;
    virtual QStringList valueList(const QString &group, const QString &key) const;
    // The groups of the file that hold at least one key.
    QStringList groups() const;
    void setValue(const QString &group, const QString &key, const QString &value);
    void remove(const QString &group, const QString &key);

    QString path() const { return m_path; }

protected:
    // Called after every change, with the store locked.
    virtual void changed(QSettings &settings);

private:
    void forgetEarlierErrors();

    QString m_path;
    std::unique_ptr<QSettings> m_settings;
    mutable QMutex m_mutex;
};
