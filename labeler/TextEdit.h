#pragma once

#include <QFont>
#include <QPointer>
#include <QWidget>

class QDoubleSpinBox;
class QFontComboBox;
class QPlainTextEdit;
class QToolBar;

// The body of the text item dialog: a font family and size bar above a plain text field. The
// font chosen here is the one the text item gets; the field keeps its own font for editing.
class TextEdit : public QWidget {
    Q_OBJECT

public:
    explicit TextEdit(QWidget* parent = nullptr);

    void setPlainText(const QString& text);
    QString toPlainText() const;
    void setFont(const QFont& font);
    QFont font() const { return editedFont; }

signals:
    void textChanged();

private slots:
    void setFontPointSize(double points);
    void setFontFamily(const QFont& font);

private:
    void createTextField();
    void createToolBar();
    void createLayout();

    QToolBar* toolBar = nullptr;
    QFontComboBox* fontComboBox = nullptr;
    QDoubleSpinBox* sizeSpinBox = nullptr;
    QPointer<QPlainTextEdit> textField;
    QFont editedFont{"Microsoft Yahei", 3};
};
