import QtQuick 2.12

Rectangle {
    id: about

    signal clicked()

    color: "#C9C0BB"
    radius: 3
    border.width: 2
    focus: true

    // Below the texts: a click anywhere closes the panel, yet the links,
    // which take their own clicks, stay usable.
    MouseArea {
        anchors.fill: parent
        onClicked: about.clicked()
    }

    Column {
        anchors.fill: parent
        spacing: 12
        clip: true

        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("Yavo Software")
            font.pixelSize: 16
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("Typing Tutor")
            font.pixelSize: 16
            font.bold: true
            font.italic: true
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: "v" + version
            font.pixelSize: 14
        }
        Image {
            width: parent.width
            source: "yavoicon.png"
            fillMode: Image.PreserveAspectFit
        }
        Text {
            objectName: "websiteText"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            textFormat: Text.RichText
            text: keyboardModel.getWebsiteUrl()
            font.pixelSize: 16
            onLinkActivated: Qt.openUrlExternally(link)
        }
        Text {
            objectName: "emailText"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            textFormat: Text.RichText
            text: keyboardModel.getEMailUrl()
            font.pixelSize: 14
            onLinkActivated: Qt.openUrlExternally(link)
        }
    }
}
