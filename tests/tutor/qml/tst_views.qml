import QtQuick 2.12
import QtTest 1.12

Item {
    id: window
    width: 800
    height: 300

    Loader {
        id: loader
        anchors.fill: parent
        focus: true
        source: "qrc:/qrc/view.qml"
    }

    SignalSpy {
        id: askedSpy
        target: keyboardModel
        signalName: "askingCharChanged"
    }

    SignalSpy {
        id: readySpy
        target: keyboardModel
        signalName: "isReadyChanged"
    }

    // Flashes of one key and of another, counted as they start: a flash is
    // over in a quarter of a second, so on a busy machine it may never be
    // seen running.
    SignalSpy {
        id: flashSpy
        signalName: "started"
    }

    SignalSpy {
        id: otherFlashSpy
        signalName: "started"
    }

    TestCase {
        name: "TutorViews"
        when: windowShown

        readonly property int romanCharRole: 356
        readonly property int romanUpperCharRole: 357

        property var view: loader.item
        property var grid: findChild(loader.item, "keyboardGridView")

        function init() {
            // Every test starts on a fresh window in Kannada, Phonetic.
            keyboardModel.setLanguage(0)
            keyboardModel.setKeyboad(0)
            loader.active = false
            loader.active = true
            verify(loader.item !== null)
            grid = findChild(loader.item, "keyboardGridView")
            tryVerify(function() { return grid.count === 48 && grid.itemAtIndex(47) !== null })
            askedSpy.clear()
            readySpy.clear()
        }

        function cleanup() {
            window.width = 800
            window.height = 300
        }

        function keyText(row, role) {
            return keyboardModel.data(keyboardModel.index(row, 0), role)
        }

        function rowShowing(text) {
            for (var row = 0; row < keyboardModel.rowCount(); ++row) {
                if (keyText(row, romanCharRole) === text || keyText(row, romanUpperCharRole) === text)
                    return row
            }
            return -1
        }

        function pulsingRows() {
            var rows = []
            for (var row = 0; row < grid.count; ++row) {
                var animation = findChild(grid.itemAtIndex(row), "animateWantedButtonOpacity")
                if (animation.running)
                    rows.push(row)
            }
            return rows
        }

        // An entry of a pick list, once the list has laid out its entries
        // up to it (all start at the top and move to their places).
        function entry(list, row) {
            tryVerify(function() {
                for (var i = 0; i <= Math.max(row, 1); ++i) {
                    var item = list.itemAtIndex(i)
                    if (item === null || item.y !== i * (item.height + list.spacing))
                        return false
                }
                return true
            })
            return list.itemAtIndex(row)
        }

        // Once the keys have flown to their places.
        function clickKey(row) {
            tryCompare(grid.itemAtIndex(grid.count - 1), "scale", 1)
            mouseClick(grid.itemAtIndex(row))
        }

        function test_askedBoxAndPulsingKey() {
            var asked = keyboardModel.getAskingChar()
            verify(asked !== "")
            var box = findChild(view, "askgingCharTextItem")
            compare(box.text, " " + keyboardModel.getAskingCharInIndic() + " [ " + asked + " ]")

            var row = rowShowing(asked)
            compare(view.wantedRow, row)
            compare(view.isShifted, keyText(row, romanUpperCharRole) === asked
                                    && keyText(row, romanCharRole) !== asked)
            // Only the key that shows the asked character pulses, and it is
            // its own place in the grid that fades.
            compare(pulsingRows(), [row])
            var animation = findChild(grid.itemAtIndex(row), "animateWantedButtonOpacity")
            compare(animation.target, grid.itemAtIndex(row))
            tryVerify(function() { return grid.itemAtIndex(row).opacity < 1 })
        }

        function test_typingTheAskedCharacterAsksAnother() {
            var asked = keyboardModel.getAskingChar()
            keyClick(asked)
            compare(askedSpy.count, 1)
            compare(grid.currentIndex, rowShowing(asked))
            compare(pulsingRows(), [view.wantedRow])
            compare(rowShowing(keyboardModel.getAskingChar()), view.wantedRow)
        }

        function test_typingAnotherKeyOnlyFlashesIt() {
            var other = keyboardModel.getAskingChar() === "q" ? "w" : "q"
            var row = rowShowing(other)
            var key = grid.itemAtIndex(row).item
            var flash = findChild(key, "flash")
            flashSpy.target = flash
            flashSpy.clear()
            otherFlashSpy.target = findChild(grid.itemAtIndex(view.wantedRow), "flash")
            otherFlashSpy.clear()

            keyClick(other)
            compare(askedSpy.count, 0)
            compare(grid.currentIndex, row)
            compare(flashSpy.count, 1)
            tryVerify(function() { return !flash.running })
            compare(key.opacity, 1)
            // The same key again flashes again; the asked key never does.
            keyClick(other)
            compare(flashSpy.count, 2)
            compare(otherFlashSpy.count, 0)
            compare(askedSpy.count, 0)
        }

        function test_pulseRestsUntilTheUserTypes() {
            var row = view.wantedRow
            var pulse = findChild(grid.itemAtIndex(row), "animateWantedButtonOpacity")
            // A few cycles, and the asked key rests at its full opacity.
            tryVerify(function() { return !pulse.running }, 10000)
            tryCompare(grid.itemAtIndex(row), "opacity", 1)
            compare(pulsingRows(), [])

            // A key typed, even a wrong one, wakes it.
            keyClick(keyboardModel.getAskingChar() === "q" ? "w" : "q")
            compare(view.wantedRow, row)
            compare(pulsingRows(), [row])
            // So does a new character to type.
            tryVerify(function() { return !pulse.running }, 10000)
            keyClick(keyboardModel.getAskingChar())
            compare(pulsingRows(), [view.wantedRow])
        }

        function test_nothingToAskIsSaid() {
            keyboardModel.askingCharChanged(-1, "", false)
            compare(findChild(view, "askgingCharTextItem").text, "No key of this layout to ask")
            compare(pulsingRows(), [])
        }

        function test_languageList() {
            var button = findChild(view, "languagesCombo")
            var list = findChild(view, "languagesListView")
            compare(list.count, 10)
            // A key flashed before: the grid then holds more than its keys.
            keyClick(keyboardModel.getAskingChar() === "q" ? "w" : "q")

            mouseClick(button)
            verify(list.visible)
            compare(list.currentIndex, 0)
            verify(!view.isReady)
            compare(grid.opacity, 0.1)

            // The current language again changes nothing.
            mouseClick(entry(list, 0))
            verify(!list.visible)
            verify(view.isReady)
            compare(readySpy.count, 0)
            compare(askedSpy.count, 0)

            mouseClick(button)
            mouseClick(entry(list, 4))
            compare(keyboardModel.getLanguage(), 4)
            compare(button.text, "Hindi")
            verify(!list.visible)
            compare(grid.opacity, 1)
            verify(view.isReady)
            compare(askedSpy.count, 1)
            compare(findChild(grid.itemAtIndex(24), "unshiftedIndicText").text, "\u0905")
            // The keys were made anew: the new asked key pulses, in its own place.
            tryCompare(grid, "count", 48)
            compare(pulsingRows(), [view.wantedRow])
            compare(findChild(grid.itemAtIndex(view.wantedRow), "animateWantedButtonOpacity").target,
                    grid.itemAtIndex(view.wantedRow))
        }

        function test_layoutListOffersThreeLayouts() {
            var button = findChild(view, "keyboardLayoutNamesCombo")
            var list = findChild(view, "keyboardsListView")
            compare(list.model, ["Phonetic layout", "KPRao layout", "InScript layout"])

            mouseClick(button)
            verify(list.visible)
            verify(!findChild(view, "languagesListView").visible)
            var inScript = entry(list, 2)
            var caption = findChild(inScript, "entryText")
            compare(caption.font.family, Qt.application.font.family)
            compare(caption.font.pixelSize, 15)

            mouseClick(inScript)
            compare(keyboardModel.getKeyboad(), 2)
            compare(button.text, "InScript Layout")
            verify(view.isReady)
        }

        // Why an item is not inside the window, or "" when it is.
        function outsideTheWindow(item, name) {
            var topLeft = item.mapToItem(window, 0, 0)
            var bottomRight = item.mapToItem(window, item.width, item.height)
            if (topLeft.x < 0 || topLeft.y < 0 || bottomRight.x > window.width || bottomRight.y > window.height)
                return name + " spans " + topLeft + " to " + bottomRight + " in " + window.width + "x" + window.height
            return ""
        }

        function test_pickListFollowsTheWindow() {
            window.width = 1200
            window.height = 600
            var list = findChild(view, "languagesListView")
            mouseClick(findChild(view, "languagesCombo"))
            var last = findChild(entry(list, 9), "entryText").parent
            compare(outsideTheWindow(list, "the list"), "")
            window.width = 900
            window.height = 700
            // The entries stand in the middle third of the list, whatever its width.
            tryVerify(function() {
                var left = last.mapToItem(window, 0, 0).x
                return Math.abs(left - window.width / 3) < 10 && Math.abs(last.width - list.width / 3) < 1
            })
            compare(outsideTheWindow(last, "the last entry"), "")
        }

        // The middle of an item, in the window.
        function centreX(item) {
            return item.mapToItem(window, item.width / 2, 0).x
        }

        function test_pickListsAreCentred_data() {
            return [
                { tag: "languages at 800", list: "languagesListView", button: "languagesCombo", width: 800, height: 300 },
                { tag: "languages at 1920", list: "languagesListView", button: "languagesCombo", width: 1920, height: 1080 },
                { tag: "layouts at 1920", list: "keyboardsListView", button: "keyboardLayoutNamesCombo", width: 1920, height: 1080 },
            ]
        }

        // The list first shown at another width, as in a window the user
        // resized: its entries follow the width it has now.
        function test_pickListsAreCentred(data) {
            var list = findChild(view, data.list)
            var button = findChild(view, data.button)
            window.width = data.width === 800 ? 1200 : 800
            mouseClick(button)
            entry(list, 0)
            mouseClick(button)
            verify(!list.visible)

            window.width = data.width
            window.height = data.height
            mouseClick(button)
            verify(list.visible)
            for (var row = 0; row < list.count; ++row) {
                var box = findChild(entry(list, row), "entryText").parent
                tryVerify(function() { return Math.abs(centreX(box) - window.width / 2) < 2 },
                          5000, "entry " + row + " centred at " + centreX(box) + " in " + window.width)
                compare(box.width, list.width / 3)
            }
        }

        // What of a caption does not fit its place on the key, or "" when
        // all does.
        function captionMisfit(text, name) {
            if (!text.visible || text.text === "")
                return ""
            var room = Qt.size(text.width, text.height)
            if (text.truncated || text.contentWidth > room.width + 0.5 || text.contentHeight > room.height + 0.5)
                return name + " '" + text.text + "' of " + text.contentWidth + "x" + text.contentHeight
                        + " at " + text.fontInfo.pixelSize + " px in " + room.width + "x" + room.height
            return ""
        }

        function test_captionsFitTheKeys_data() {
            var rows = []
            for (var language = 0; language < 9; ++language)
                rows.push({ tag: languageNames[language] + ", Phonetic", language: language, keyboard: 0 })
            rows.push({ tag: "Kannada, KPRao", language: 0, keyboard: 1 })
            rows.push({ tag: "Kannada, InScript", language: 0, keyboard: 2 })
            return rows
        }

        // At the window's smallest size, each caption fits its place on the
        // key: the widest clusters (z, Z, m, y in Kannada) too.
        function test_captionsFitTheKeys(data) {
            keyboardModel.setLanguage(data.language)
            keyboardModel.setKeyboad(data.keyboard)
            tryVerify(function() { return grid.count === 48 && grid.itemAtIndex(47) !== null })
            var names = ["nameText", "shiftedIndicText", "unshiftedIndicText", "shiftedLatinText"]
            var misfits = []
            for (var row = 0; row < grid.count; ++row) {
                for (var i = 0; i < names.length; ++i) {
                    var misfit = captionMisfit(findChild(grid.itemAtIndex(row), names[i]), "key " + row + " " + names[i])
                    if (misfit !== "")
                        misfits.push(misfit)
                }
            }
            compare(misfits, [])
        }

        function test_aboutPanel() {
            var about = findChild(view, "aboutTutor")
            clickKey(30)
            verify(about.visible)
            verify(!view.isReady)
            compare(grid.opacity, 0.1)

            // Its links open in the browser and leave the panel open.
            var website = findChild(about, "websiteText")
            tryVerify(function() { return website.y > 0 })
            mouseClick(website)
            verify(about.visible)
            compare(setup.openedUrls(), ["https://yavo.example.org"])

            // A click on a key closes it, and so does one on the panel.
            clickKey(30)
            verify(!about.visible)
            verify(view.isReady)
            compare(grid.opacity, 1)

            clickKey(0)
            verify(about.visible)
            mouseClick(about, 5, 5)
            verify(!about.visible)
        }

        // In the smallest window every line of the panel shows whole.
        function test_aboutPanelFitsTheWindow() {
            var about = findChild(view, "aboutTutor")
            about.visible = true
            // Once the panel has laid out its lines.
            tryVerify(function() { return findChild(about, "emailText").y > 0 })
            var names = ["websiteText", "emailText"]
            for (var i = 0; i < names.length; ++i) {
                var line = findChild(about, names[i])
                var bottom = line.mapToItem(about, 0, line.height).y
                verify(bottom <= about.height, names[i] + " ends at " + bottom + " of " + about.height)
                verify(line.contentWidth <= line.width, names[i] + " is " + line.contentWidth + " wide")
            }
            // The picture shrinks to make room, and stays.
            verify(findChild(about, "picture").paintedHeight > 0)
        }
    }
}
