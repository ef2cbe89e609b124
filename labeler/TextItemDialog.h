#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>

class QDialogButtonBox;
class QGraphicsScene;
class TextEdit;
class TextItem;

// Adds a text item (no item given) or edits one. Accepting creates the item if there is none,
// then gives it the text and the font of the editor.
class TextItemDialog : public QDialog {
    Q_OBJECT

public:
    TextItemDialog(TextItem* item, const QPoint& position, QGraphicsScene* scene,
                   QWidget* parent = nullptr);

    // The edited item; after an accepted Add, the item the dialog created.
    TextItem* item() const { return textItem; }

public slots:
    void accept() override;

private slots:
    void updateUi();

private:
    QPointer<TextEdit> textEdit;
    QPointer<QDialogButtonBox> buttonBox;
    QPointer<TextItem> textItem;
    QPoint position;
    QGraphicsScene* scene;
};
