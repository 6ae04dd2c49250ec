import QtQuick 2.12

GridView {
    id: grid

    // Rows the keys need; at least one, so that an empty model sizes nothing
    // by zero.
    readonly property int rowCount: Math.max(1, Math.ceil(count / columnCount))

    anchors.topMargin: 2
    anchors.leftMargin: 12
    anchors.rightMargin: 2
    anchors.bottomMargin: 2
    // Square cells as large as the space lets every row and column show, so
    // that the keyboard follows the window whatever its shape. The grid is
    // exactly as wide as its columns: a wider grid would flow the keys into
    // more of them.
    cellWidth: Math.min((parent.width - anchors.leftMargin - anchors.rightMargin) / columnCount,
                        height / rowCount)
    cellHeight: cellWidth
    width: cellWidth * columnCount
    clip: true
    focus: true
    currentIndex: -1
    interactive: false
    keyNavigationEnabled: false

    model: keyboardModel
    // Each key arrives when the grid makes it (at start and after a change
    // of language or layout): it flies in from the grid's corner and settles
    // from a larger size. The key does this itself, through a transform
    // that ends where the grid puts it: as the grid's populate transition it
    // would stay where the grid first put it when the window is resized
    // meanwhile.
    delegate: Loader {
        id: keyLoader

        property real arrival: 0

        source: "TTButtonDelegate.qml"
        transform: Translate {
            x: -keyLoader.x * (1 - keyLoader.arrival)
            y: -keyLoader.y * (1 - keyLoader.arrival)
        }

        ParallelAnimation {
            running: true
            NumberAnimation { target: keyLoader; property: "scale"; from: 1.2; to: 1; duration: 300; easing.type: Easing.Linear }
            NumberAnimation { target: keyLoader; property: "arrival"; from: 0; to: 1; duration: 100 }
        }
    }

    Keys.onPressed: keyboardModel.onKeyPressed(event)
}
