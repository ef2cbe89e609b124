#pragma once

#include <QColor>
#include <QTableWidget>

// A read-only table of storage volumes: name, used, free and total size in GiB and a usage bar
// whose colours change at 50 % and 90 %. The record configuration page shows the camera's
// memory card in it; it can also list the local machine's writable volumes.
class DeviceSizeTable : public QTableWidget {
    Q_OBJECT
    Q_PROPERTY(QColor bgColor READ getBgColor WRITE setBgColor)
    Q_PROPERTY(QColor chunkColor1 READ getChunkColor1 WRITE setChunkColor1)
    Q_PROPERTY(QColor chunkColor2 READ getChunkColor2 WRITE setChunkColor2)
    Q_PROPERTY(QColor chunkColor3 READ getChunkColor3 WRITE setChunkColor3)
    Q_PROPERTY(QColor textColor1 READ getTextColor1 WRITE setTextColor1)
    Q_PROPERTY(QColor textColor2 READ getTextColor2 WRITE setTextColor2)
    Q_PROPERTY(QColor textColor3 READ getTextColor3 WRITE setTextColor3)

public:
    explicit DeviceSizeTable(QWidget* parent = nullptr);

    QColor getBgColor() const { return bgColor; }
    QColor getChunkColor1() const { return chunkColor1; }
    QColor getChunkColor2() const { return chunkColor2; }
    QColor getChunkColor3() const { return chunkColor3; }
    QColor getTextColor1() const { return textColor1; }
    QColor getTextColor2() const { return textColor2; }
    QColor getTextColor3() const { return textColor3; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Used percent of a volume, 0 to 100; a volume of unknown (zero) size counts as unused.
    static int usedPercent(qlonglong totalBytes, qlonglong freeBytes);
    // Bytes as GiB with one decimal: 1073741824 -> "1.0G".
    static QString sizeText(qlonglong bytes);

public slots:
    void load();
    void addPath(const QString& path, qlonglong totalBytes, qlonglong freeBytes);

    // A colour change rebuilds the table from the local volumes; an equal colour does nothing.
    void setBgColor(const QColor& color);
    void setChunkColor1(const QColor& color);
    void setChunkColor2(const QColor& color);
    void setChunkColor3(const QColor& color);
    void setTextColor1(const QColor& color);
    void setTextColor2(const QColor& color);
    void setTextColor3(const QColor& color);

private slots:
    // One line of a POSIX df listing: file system, size, used, available, capacity "5%".
    void checkSize(const QString& result, const QString& name);
    void insertSize(const QString& name, const QString& use, const QString& free,
                    const QString& all, int percent);

private:
    void setColor(QColor& stored, const QColor& color);
    QString barStyle(int percent) const;

    QColor bgColor;
    QColor chunkColor1;
    QColor chunkColor2;
    QColor chunkColor3;
    QColor textColor1;
    QColor textColor2;
    QColor textColor3;
};
