import QtQuick 2.12

ListView {
    id: list

    signal clicked()

    z: 1
    focus: true
    visible: false
    clip: true
    spacing: 6
    anchors.margins: 6
    interactive: true
    keyNavigationEnabled: true

    // Each entry spans the list and shows its box in the middle third:
    // margins of a third of the width would keep the place the list had
    // when it first laid out its entries, whatever its width since.
    highlight: Item {
        width: list.width

        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: list.width / 3
            height: parent.height
            color: "lightsteelblue"
            radius: 5
        }
    }

    populate: Transition {
        NumberAnimation { properties: "x,y"; duration: 200 }
    }
    add: Transition {
        NumberAnimation { properties: "x,y"; duration: 1000; easing.type: Easing.InOutBack; easing.overshoot: 10 }
    }

    delegate: Item {
        id: entry
        width: list.width
        height: 36

        Rectangle {
            id: itemDelegate
            objectName: "entryBox"
            anchors.horizontalCenter: parent.horizontalCenter
            width: list.width / 3
            height: parent.height
            radius: 6
            border.color: "white"
            color: entry.ListView.isCurrentItem ? "#C88141" : "white"
            opacity: langItemMA.pressed ? 0.8 : 1

            Text {
                objectName: "entryText"
                anchors.centerIn: parent
                padding: 6
                text: modelData
            }

            MouseArea {
                id: langItemMA
                anchors.fill: parent
                onClicked: {
                    console.log("Clickked " + index)
                    list.currentIndex = index
                    list.visible = false
                    list.clicked()
                }
            }
        }
    }
}
