import QtQuick 2.12

GridView {
    id: grid

    anchors.topMargin: 2
    anchors.leftMargin: 12
    anchors.rightMargin: 2
    width: parent.width - 6
    height: parent.height
    cellWidth: width / columnCount
    cellHeight: cellWidth
    clip: true
    focus: true
    currentIndex: -1
    interactive: false
    keyNavigationEnabled: false

    model: keyboardModel
    delegate: Loader {
        source: "TTButtonDelegate.qml"
    }

    Keys.onPressed: keyboardModel.onKeyPressed(event)

    populate: Transition {
        NumberAnimation { property: "scale"; from: 1.2; to: 1; duration: 300; easing.type: Easing.Linear }
        NumberAnimation { properties: "x,y"; duration: 100 }
    }
}
