#include "BaseVideoWidget.h"

#include <QAuthenticator>
#include <QLayout>
#include <QVBoxLayout>

#include "RtspLocation.h"
#include "VideoSurface.h"
#include "control_assignment_group.h"
#include "zrsdk_instance.h"

BaseVideoWidget::BaseVideoWidget(ZRSDKInstance* session, QWidget* parent)
    : QWidget(parent), sdk(session), controlGroup(new ControlAssignmentGroup(this)) {}

// The preview stops before the page's members go; the surface itself may live in a
// container that outlives the page.
BaseVideoWidget::~BaseVideoWidget() {
    delete videoWidget;
}

void BaseVideoWidget::play(QWidget* container) {
    delete videoWidget;
    videoWidget = new VideoSurface(container);
    videoWidget->setObjectName(QStringLiteral("videoWidget"));
    QLayout* layout = container->layout();
    if (layout == nullptr) {
        layout = new QVBoxLayout(container);
    }
    layout->addWidget(videoWidget);
    if (!sdk) {
        return;  // the session has ended: nothing to play
    }
    const QAuthenticator* login = sdk->authenticator();
    const QString authority =
        QStringLiteral("%1:%2@%3")
            .arg(login->user(), login->password(), sdk->hostAddress().toString());
    videoWidget->play(rtspLocation(authority));
}
