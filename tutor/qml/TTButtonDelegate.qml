import QtQuick 2.12
import QtGraphicalEffects 1.13

Item {
    id: keyRoot

    readonly property bool asked: index === wantedRow
    readonly property bool shiftShown: isShiftKey && isShifted
    readonly property bool isCurrent: keyboardGridView.currentIndex === index
    // The smallest size a caption in the key's corner shrinks to: small
    // enough that the widest clusters fit the keys of the smallest window.
    // Those captions have no padding above and below: the lines of the
    // script font are far taller than its glyphs, and would shrink every
    // caption to keep clear of room that the glyphs never use.
    readonly property int minimumCaptionSize: 8

    width: keyboardGridView.cellWidth - 12
    height: keyboardGridView.cellHeight - 10

    // The pressed key flashes, also when it is pressed again.
    onIsCurrentChanged: if (isCurrent) flash.restart()
    NumberAnimation {
        id: flash
        objectName: "flash"
        target: keyRoot
        property: "opacity"
        from: 0
        to: 1
        duration: 250
        easing.type: Easing.InOutBack
        easing.overshoot: 5
    }

    Rectangle {
        id: key
        anchors.fill: parent
        radius: 8
        clip: true
        antialiasing: true
        color: keyRoot.shiftShown ? "Maroon" : "#3D3C3A"
        opacity: keyMA.pressed ? 0.5 : 1
        scale: keyRoot.asked ? 1.05 : 1
        border.color: keyRoot.asked ? "maroon" : "darkgray"
        border.width: keyRoot.asked || keyMA.pressed ? 3 : 1

        Text {
            id: nameText
            objectName: "nameText"
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            width: isShiftKey ? parent.width : parent.width / 2
            height: isShiftKey ? parent.height : parent.height / 2
            // Without the spaces that pad a wide key's name: elided
            // with them, "SHFT" would show as "SHF…".
            text: (isShifted && isAlphaKey ? romanUpperChar : romanChar).trim()
            color: keyRoot.shiftShown ? "silver" : "white"
            font.family: Qt.application.font.family
            font.pixelSize: 172
            font.bold: false
            fontSizeMode: Text.Fit
            minimumPixelSize: 16
            padding: 4
            elide: Text.ElideRight
            horizontalAlignment: isShiftKey ? Text.AlignLeft : Text.AlignHCenter
            verticalAlignment: isShiftKey ? Text.AlignBottom : Text.AlignVCenter
        }

        Text {
            objectName: "shiftedIndicText"
            anchors.top: parent.top
            anchors.right: parent.right
            width: isShiftKey ? parent.width : parent.width / 2
            height: isShiftKey ? parent.height : parent.height / 2
            text: indicUChar
            color: "white"
            font.family: scriptFontFamily()
            font.pixelSize: 72
            font.bold: true
            fontSizeMode: Text.Fit
            minimumPixelSize: minimumCaptionSize
            padding: 4
            topPadding: 0
            bottomPadding: 0
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        Text {
            objectName: "unshiftedIndicText"
            anchors.bottom: parent.bottom
            anchors.right: parent.right
            width: keyRoot.shiftShown ? parent.width : parent.width / 2
            height: keyRoot.shiftShown ? parent.height : parent.height / 2
            text: indicLChar
            color: "white"
            font.family: scriptFontFamily()
            font.pixelSize: 72
            font.bold: true
            fontSizeMode: Text.Fit
            minimumPixelSize: minimumCaptionSize
            padding: 4
            topPadding: 0
            bottomPadding: 0
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        Text {
            objectName: "shiftedLatinText"
            anchors.top: parent.top
            anchors.left: parent.left
            width: parent.width / 2
            height: parent.height / 2
            visible: !isShiftKey && !isAlphaKey
            text: romanUpperChar
            color: "white"
            font.family: Qt.application.font.family
            font.pixelSize: 72
            fontSizeMode: Text.Fit
            minimumPixelSize: minimumCaptionSize
            padding: 4
            topPadding: 0
            bottomPadding: 0
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        MouseArea {
            id: keyMA
            anchors.fill: key
            acceptedButtons: Qt.LeftButton
            // While the About panel is open, clicks go through to it, so
            // that its links work; any other click there closes it.
            enabled: !aboutTutor.visible
            onClicked: {
                if (languagesListView.visible || keyboardsListView.visible) {
                    showKeyboard()
                } else {
                    aboutTutor.visible = true
                    root.isReady = false
                    keyboardGridView.opacity = 0.1
                }
            }
        }
    }

    DropShadow {
        id: shadow
        anchors.fill: key
        source: key
        horizontalOffset: 4
        verticalOffset: 4
        radius: 2
        samples: 17
        color: "#800f0000"
    }

    // The key of the asked character pulses for a few cycles when it is
    // asked and again whenever the user types, then rests: a pulse without
    // end would keep the window drawing while nobody types. It animates this
    // key's own delegate in the grid, whichever order the grid made its
    // delegates in.
    readonly property bool pulses: asked && root.isReady && keyRoot.parent !== null

    // A restart while it pulses adds its cycles to the running one, and a
    // stop lets the current cycle end, so the key never jumps.
    function pulse() {
        if (pulses)
            animateWantedButtonOpacity.restart()
        else
            animateWantedButtonOpacity.stop()
    }

    onPulsesChanged: pulse()
    Component.onCompleted: pulse()

    Connections {
        target: root
        function onActivityChanged() { keyRoot.pulse() }
    }

    NumberAnimation {
        id: animateWantedButtonOpacity
        objectName: "animateWantedButtonOpacity"
        target: keyRoot.parent
        property: "opacity"
        from: 0.6
        to: 1
        duration: 700
        easing.type: Easing.InOutBack
        easing.overshoot: 5
        loops: 3
        alwaysRunToEnd: true
    }
}
