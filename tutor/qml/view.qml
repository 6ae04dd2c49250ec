import QtQuick 2.12
import YvKeyboardModel 1.0

Rectangle {
    id: root

    property int wantedRow: 0
    property bool isReady: false
    property bool isShifted: false
    readonly property int columnCount: 12
    // Grows with every key typed and every character asked; the asked key
    // pulses anew after each (see TTButtonDelegate).
    property int activity: 0

    width: 910
    height: 500
    border.width: 2
    antialiasing: true
    gradient: Gradient {
        GradientStop { position: 0.0; color: "#736F6E" }
        GradientStop { position: 1.0; color: "#a7a7b7" }
    }

    // The family of the built-in font that has the current language's
    // script. The keys read it when the grid makes them, which it does anew
    // for every language.
    function scriptFontFamily() {
        return scriptFontFamilies[keyboardModel.getLanguage()]
    }

    function showKeyboard() {
        aboutTutor.visible = false
        languagesListView.visible = false
        keyboardsListView.visible = false
        keyboardGridView.visible = true
        keyboardGridView.opacity = 1
        keyboardGridView.focus = true
        root.isReady = true
    }

    function showLangueagesList() {
        aboutTutor.visible = false
        keyboardsListView.visible = false
        keyboardGridView.visible = false
        keyboardGridView.opacity = 0.1
        keyboardGridView.focus = false
        languagesListView.visible = true
        root.isReady = false
    }

    function showKeyboardsList() {
        aboutTutor.visible = false
        languagesListView.visible = false
        keyboardGridView.visible = false
        keyboardGridView.opacity = 0.1
        keyboardGridView.focus = false
        keyboardsListView.visible = true
        root.isReady = false
    }

    function showAbout() {
        languagesListView.visible = false
        keyboardGridView.visible = false
        keyboardGridView.opacity = 0.1
        keyboardGridView.focus = false
        keyboardsListView.visible = false
        root.isReady = false
        aboutTutor.visible = true
    }

    Connections {
        target: keyboardModel

        function onKeyPressed(index) {
            // Through -1, so that the same key flashes again.
            keyboardGridView.currentIndex = -1
            keyboardGridView.currentIndex = index.row
            ++root.activity
        }

        function onIsReadyChanged(ready) {
            root.isReady = ready
        }

        function onAskingCharChanged(index, ch, shift) {
            root.wantedRow = index
            root.isShifted = shift
            currentAskingCharRectAimator.running = root.isReady
            // The old text goes before the family changes, so that no text
            // is ever laid out in the font of another script.
            askgingCharTextItem.text = ""
            askgingCharTextItem.font.family = scriptFontFamily()
            if (ch === "")
                askgingCharTextItem.text = qsTr("No key of this layout to ask")
            else
                askgingCharTextItem.text = qsTr(" %1 [ %2 ]")
                        .arg(keyboardModel.getAskingCharInIndic())
                        .arg(keyboardModel.getAskingChar())
            ++root.activity
        }
    }

    Button {
        id: languagesCombo
        objectName: "languagesCombo"
        height: 36
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.margins: 2
        text: keyboardModel.getLanguageName()
        onClicked: {
            if (root.isReady) {
                keyboardGridView.opacity = 0.1
                keyboardsListView.visible = false
                languagesListView.currentIndex = keyboardModel.getLanguage()
                languagesListView.visible = true
                root.isReady = false
            } else {
                showKeyboard()
            }
        }
    }

    TTListView {
        id: languagesListView
        objectName: "languagesListView"
        model: languageNames
        anchors.top: languagesCombo.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        onClicked: {
            showKeyboard()
            if (currentIndex >= 0) {
                keyboardModel.setLanguage(currentIndex)
                languagesCombo.text = keyboardModel.getLanguageName()
            }
        }
    }

    Rectangle {
        id: askgingCharRectItem
        objectName: "askgingCharRectItem"
        color: "silver"
        border.width: 2
        border.color: "#B8860B"
        height: languagesCombo.height
        anchors.top: parent.top
        anchors.left: languagesCombo.right
        anchors.right: keyboardLayoutNamesCombo.left
        anchors.margins: 2

        NumberAnimation on opacity {
            id: currentAskingCharRectAimator
            from: 0.5
            to: 1
            easing.type: Easing.InOutBack
            easing.overshoot: 5
        }

        Text {
            id: askgingCharTextItem
            objectName: "askgingCharTextItem"
            anchors.fill: parent
            padding: 2
            clip: true
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            color: "#100c08"
            font.family: scriptFontFamily()
            font.pixelSize: 72
            fontSizeMode: Text.Fit
            minimumPixelSize: 12
            text: keyboardModel.getAskingChar()
        }

        MouseArea {
            anchors.fill: parent
            onClicked: {
                if (root.isReady) {
                    keyboardModel.updateAskingChar()
                    currentAskingCharRectAimator.start()
                }
            }
        }
    }

    Button {
        id: keyboardLayoutNamesCombo
        objectName: "keyboardLayoutNamesCombo"
        height: 36
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 2
        text: keyboardModel.getKeyboadName()
        onClicked: {
            if (root.isReady) {
                keyboardGridView.opacity = 0.1
                languagesListView.visible = false
                keyboardsListView.currentIndex = keyboardModel.getKeyboad()
                keyboardsListView.visible = true
                root.isReady = false
            } else {
                showKeyboard()
            }
        }
    }

    TTListView {
        id: keyboardsListView
        objectName: "keyboardsListView"
        model: keyboardLayoutNames
        anchors.top: languagesCombo.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        onClicked: {
            showKeyboard()
            keyboardModel.setKeyboad(currentIndex)
            keyboardLayoutNamesCombo.text = keyboardModel.getKeyboadName()
        }
    }

    AboutYavoTypingTutor {
        id: aboutTutor
        objectName: "aboutTutor"
        anchors.fill: parent
        visible: false
        onClicked: showKeyboard()
    }

    TTKeyboardView {
        id: keyboardGridView
        objectName: "keyboardGridView"
        anchors.top: languagesCombo.bottom
        anchors.left: parent.left
        anchors.bottom: parent.bottom
    }

    Component.onCompleted: {
        root.isReady = true
        keyboardModel.updateAskingChar()
        showKeyboard()
        console.log("Chase me!!!")
    }
}
