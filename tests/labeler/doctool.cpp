// Drives Sabbeth's document reader and writer for the Python format tests, which check the
// bytes it writes and feed it documents of their own making.
//   doctool write <scenario> <out>   builds a label and saves it through the main window
//   doctool roundtrip <in> <out>     loads a document and saves it again
//   doctool dump <in>                loads a document and prints its items, bottom first, as JSON
// Exit code 1 when a document does not load (the reason goes to standard error).

#include <QApplication>
#include <QGraphicsScene>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <functional>
#include <map>

#include "BoxItem.h"
#include "MainWindow.h"
#include "QRCodeItem.h"
#include "Settings.h"
#include "TextItem.h"

namespace {

using Scenario = std::function<void(MainWindow&)>;

template <typename Item>
Item* add(MainWindow& window, Item* item) {
    window.connectItem(item);
    return item;
}

const std::map<QString, Scenario>& scenarios() {
    static const std::map<QString, Scenario> table = {
        {"empty", [](MainWindow&) {}},
        {"qr", [](MainWindow& w) { add(w, new QRCodeItem(QPoint(10, 20), w.scene())); }},
        {"box", [](MainWindow& w) { add(w, new BoxItem(QRect(10, 20, 90, 30), w.scene())); }},
        {"text",
         [](MainWindow& w) {
             auto* text = add(w, new TextItem(QPoint(5, 6), w.scene()));
             text->setHtml("<b>Bold</b> and <i>plain</i>");
         }},
        // A filled box laid over a text: the box must stay on top after a save and a load.
        {"stack",
         [](MainWindow& w) {
             add(w, new TextItem(QPoint(12, 14), w.scene()))->setPlainText("under");
             auto* box = add(w, new BoxItem(QRect(10, 10, 60, 20), w.scene()));
             box->setBrush(QBrush(Qt::black, Qt::SolidPattern));
         }},
    };
    return table;
}

QJsonArray pair(double a, double b) {
    return QJsonArray{a, b};
}

QJsonObject describe(QGraphicsItem* item) {
    QJsonObject object{{"pos", pair(item->pos().x(), item->pos().y())}, {"z", item->zValue()}};
    if (auto* box = qgraphicsitem_cast<BoxItem*>(item)) {
        const QRectF r = box->rect();
        object["type"] = "box";
        object["angle"] = box->angle();
        object["size"] = pair(box->shearHorizontal(), box->shearVertical());
        object["rect"] = QJsonArray{r.x(), r.y(), r.width(), r.height()};
        object["pen_width"] = box->pen().widthF();
        object["pen_style"] = int(box->pen().style());
        object["pen_color"] = box->pen().color().name();
        object["pen_dash_offset"] = box->pen().dashOffset();
        QJsonArray dashes;
        for (double dash : box->pen().dashPattern()) {
            dashes.append(dash);
        }
        object["pen_dashes"] = dashes;
        object["brush_style"] = int(box->brush().style());
        object["brush_color"] = box->brush().color().name();
    } else if (auto* qr = qgraphicsitem_cast<QRCodeItem*>(item)) {
        object["type"] = "qr";
        object["angle"] = qr->angle();
        object["size"] = pair(qr->shearHorizontal(), qr->shearVertical());
        object["text"] = qr->plainText();
        const QSize modules = qr->modules().boundingRect().size().toSize();
        object["modules"] = pair(modules.width(), modules.height());
    } else if (auto* text = qgraphicsitem_cast<TextItem*>(item)) {
        object["type"] = "text";
        object["text"] = text->toPlainText();
        object["family"] = text->font().family();
        object["point_size"] = text->font().pointSizeF();
    }
    return object;
}

int usage() {
    QTextStream(stderr)
        << "usage: doctool write <scenario> <out> | roundtrip <in> <out> | dump <in>\n";
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Settings::setApplicationIdentity();
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        return usage();
    }
    MainWindow window;
    window.setUnattended(true);
    const QString command = args.value(0);
    if (command == "write" && args.size() == 3 && scenarios().count(args[1])) {
        scenarios().at(args[1])(window);
        return window.saveFile(args[2]) ? 0 : 1;
    }
    if (command == "roundtrip" && args.size() == 3) {
        return window.loadFile(args[1]) && window.saveFile(args[2]) ? 0 : 1;
    }
    if (command == "dump" && args.size() == 2) {
        if (!window.loadFile(args[1])) {
            return 1;
        }
        QJsonArray items;
        for (QGraphicsItem* item : window.labelItems(Qt::AscendingOrder)) {
            items.append(describe(item));
        }
        QTextStream(stdout) << QJsonDocument(items).toJson(QJsonDocument::Compact) << "\n";
        return 0;
    }
    return usage();
}
