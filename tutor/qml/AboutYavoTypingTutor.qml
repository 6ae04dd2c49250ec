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
        id: column

        // The picture takes the height the texts leave, so that the last
        // line, the e-mail address, shows whole in the smallest window.
        readonly property real textsHeight: name.height + title.height + versionText.height
                                            + website.height + email.height

        anchors.fill: parent
        spacing: 12
        clip: true

        Text {
            id: name
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("Yavo Software")
            font.pixelSize: 16
        }
        Text {
            id: title
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("Typing Tutor")
            font.pixelSize: 16
            font.bold: true
            font.italic: true
        }
        Text {
            id: versionText
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: "v" + version
            font.pixelSize: 14
        }
        Image {
            objectName: "picture"
            width: parent.width
            height: Math.max(0, column.height - column.textsHeight
                                                   - (column.children.length - 1) * column.spacing)
            source: "yavoicon.png"
            fillMode: Image.PreserveAspectFit
        }
        Text {
            id: website
            objectName: "websiteText"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            textFormat: Text.RichText
            text: keyboardModel.getWebsiteUrl()
            font.pixelSize: 16
            onLinkActivated: Qt.openUrlExternally(link)
        }
        Text {
            id: email
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
