# Writes mainwindow.ui. Kept as a script because the form is large and
# regular; edit the tables here and run `python3 genui.py`.
from xml.sax.saxutils import escape

B1 = """QPushButton {
    background-color: #2D89EF;
    color: white;
    border-radius: 8px;
    padding: 8px 16px;
}"""
B2 = """QPushButton {
    background-color: #2D89EF;
    color: white;
    border-radius: 8px;
}
QPushButton:hover {
    background-color: #3A9BF5;
}"""
B3 = """QPushButton {
    color: #0078d7;
    background-color: white;
    border: 1px solid #0078d7;
    border-radius: 8px;
    padding: 6px 20px;
    font-weight: bold;
}
QPushButton:hover {
    background-color: #e6f2fb;
}
QPushButton:pressed {
    background-color: #cce4f7;
}"""
B4 = "background-color: #f44336;\ncolor: white;\nborder-radius: 5px;"
LIST = """QListWidget {
    background-color: white;
    color: black;
    font-size: 12px;
    border: 1px solid rgb(208, 232, 255);
    border-radius: 10px;
    padding: 10px;
}"""
PROGRESS = """QProgressBar {
    border: 1px solid #bbb;
    border-radius: 8px;
    background-color: #f3f3f3;
    text-align: center;
    height: 18px;
}
QProgressBar::chunk {
    border-radius: 8px;
    background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, stop: 0 #4cd964, stop: 1 #2ecc71);
}"""
LOG = """QTextEdit {
    background-color: white;
    color: black;
    font-size: 14px;
    border: 1px solid #999999;
    padding: 5px;
    border-radius: 10px;
}"""
TABLE = """QTableWidget {
    background-color: #ffffff;
    border: none;
    gridline-color: transparent;
    font-size: 14px;
}
QHeaderView::section {
    background-color: #e9f0f7;
    padding: 6px;
    border: none;
    font-weight: bold;
    color: #333;
}
QTableWidget::item {
    border: none;
    padding: 6px;
}
QTableWidget::item:hover {
    background-color: #f0f8ff;
}
QTableWidget::item:selected {
    background-color: #d6ecff;
    color: black;
}"""


def card(name):
    return f"""#{name} {{
    background-color: white;
    border: 1px solid transparent;
    border-radius: 12px;
    padding: 20px;
}}
#{name}:hover {{
    border: 2px solid #2D89EF;
}}
#{name} QLabel {{
    qproperty-alignment: AlignCenter;
    min-width: 80px;
    min-height: 80px;
}}
#{name} QPushButton {{
    background-color: #2D89EF;
    color: white;
    border: none;
    border-radius: 6px;
    padding: 8px 16px;
    font-weight: bold;
}}
#{name} QPushButton:hover {{
    background-color: #1E5FBD;
}}"""


TITLE = ('<html><head/><body><p><span style=" font-size:16pt; font-weight:700;">'
         'Velmora - Permanently Erase Data &amp; Prevent Leaks</span></p><p>Velmora securely '
         'erases sensitive data from your disk or USB. <br/>Protect your privacy and prevent '
         'data leaks for good.<span style=" font-size:14pt;"><br/></span></p></body></html>')


def prop(name, inner):
    return f'<property name="{name}">{inner}</property>'


def string(text, notr=False):
    attr = ' notr="true"' if notr else ''
    return f'<string{attr}>{escape(text)}</string>'


def rect(x, y, w, h):
    return prop('geometry', f'<rect><x>{x}</x><y>{y}</y><width>{w}</width><height>{h}</height></rect>')


def widget(cls, name, *parts):
    return f'<widget class="{cls}" name="{name}">' + ''.join(parts) + '</widget>'


def button(name, geo, text, style, *extra):
    return widget('QPushButton', name, rect(*geo), prop('styleSheet', string(style, True)),
                  prop('text', string(text)), *extra)


def page(name, *children, extra=''):
    return widget('QWidget', name, extra, *children)


def table(name, geo):
    return widget('QTableWidget', name, rect(*geo), prop('styleSheet', string(TABLE, True)))


def home_card(card_name, layout, label, image, btn, text, geo):
    pixmap = '<pixmap>:/icons/resources/%s</pixmap>' % image
    image_label = widget('QLabel', label,
                         prop('styleSheet', string('background:rgb(255, 255, 255)', True)),
                         prop('text', string('')), prop('pixmap', pixmap))
    return widget(
        'QWidget', card_name, rect(*geo), prop('styleSheet', string(card(card_name), True)),
        '<layout class="QVBoxLayout" name="%s">' % layout
        + '<item>' + image_label + '</item>'
        + '<item>' + widget('QPushButton', btn, prop('text', string(text))) + '</item>'
        + '</layout>')


pages = [
    page('pageWipeDisk',
         button('btnRefreshDisks', (520, 430, 101, 31), 'Refresh', B1),
         button('btnNextFromDiskList', (640, 430, 111, 31), 'Next', B1),
         button('btnBackFromDisk', (70, 430, 121, 31), 'Back', B1),
         table('tableDiskList', (0, 0, 801, 401))),
    page('pageWipeFreeSpace',
         button('btnNextFromDiskList_2', (650, 440, 111, 31), 'Next', B1),
         table('tableDiskList_2', (0, 10, 801, 401)),
         button('btnRefreshDisks_2', (530, 440, 101, 31), 'Refresh', B1),
         button('btnBackFromDisk_2', (80, 440, 121, 31), 'Back', B1)),
    page('pageEraseFileFlow',
         widget('QStackedWidget', 'stackedWidget_2', rect(50, 0, 731, 561),
                prop('currentIndex', '<number>0</number>'),
                page('pageAdd',
                     button('btnAddFiles', (0, 0, 81, 31), 'Add File', B2,
                            prop('minimumSize', '<size><width>0</width><height>0</height></size>')),
                     widget('QListWidget', 'listWidget', rect(0, 60, 721, 341),
                            prop('styleSheet', string(LIST, True))),
                     button('btnAddFolder', (100, 0, 81, 31), 'Add Folder', B2),
                     button('btnClearAll', (200, 0, 101, 31), 'Clear All', B3),
                     button('btnNextFromAdd', (640, 430, 81, 31), 'Next', B2),
                     button('btnBackToHome_fromAdd', (0, 430, 81, 31), 'Back', B3)),
                page('pageProgress',
                     widget('QProgressBar', 'progressBar', rect(10, 10, 651, 23),
                            prop('styleSheet', string(PROGRESS, True)),
                            prop('value', '<number>0</number>')),
                     widget('QTextEdit', 'textLog', rect(20, 90, 641, 341),
                            prop('styleSheet', string(LOG, True)),
                            prop('readOnly', '<bool>true</bool>')),
                     button('btnStop', (580, 40, 75, 23), 'Stop', B4)),
                page('pageSelect_unused_2'))),
    page('pageHome',
         home_card('wipeCard', 'verticalLayout', 'label', 'wipe_disk.png', 'btnWipeDisk',
                   'Wipe Disk', (80, 180, 171, 211)),
         widget('QWidget', 'titleArea', rect(70, 10, 865, 123),
                '<layout class="QVBoxLayout" name="verticalLayout_6"><item>'
                '<layout class="QVBoxLayout" name="verticalLayout_2">'
                '<property name="leftMargin"><number>2</number></property>'
                '<property name="topMargin"><number>4</number></property>'
                '<property name="rightMargin"><number>200</number></property>'
                '<property name="bottomMargin"><number>9</number></property>'
                '<item>' + widget('QLabel', 'titleLabel', prop('text', string(TITLE)),
                                  prop('alignment', '<set>Qt::AlignCenter</set>')) +
                '</item></layout></item></layout>'),
         home_card('wipefreespaceCard', 'verticalLayout_3', 'label_2', 'wipe_free_space.png',
                   'btnWipeFreeSpace', 'Wipe Free Space', (320, 180, 171, 211)),
         home_card('EraseFilecard', 'verticalLayout_4', 'label_3', 'wipe_file_icon.png',
                   'btnEraseFileFolder', 'Erase File', (560, 180, 171, 211))),
    page('pageWipePartition'),
    page('pageAdd_unused_1', extra=prop('enabled', '<bool>false</bool>')),
    page('pageSelect_unused'),
    page('pageProgress_unused'),
]

form = (
    '<?xml version="1.0" encoding="UTF-8"?>\n<ui version="4.0"><class>MainWindow</class>'
    + widget('QMainWindow', 'MainWindow', rect(0, 0, 819, 579),
             prop('windowTitle', string('Velmora')),
             prop('styleSheet', string('background:rgb(238, 248, 255)', True)),
             widget('QWidget', 'centralwidget',
                    prop('styleSheet', string('background:rgb(238, 248, 255)', True)),
                    '<layout class="QVBoxLayout" name="verticalLayout_5">'
                    '<property name="leftMargin"><number>10</number></property><item>'
                    + widget('QStackedWidget', 'stackedWidget',
                             prop('currentIndex', '<number>3</number>'), *pages)
                    + '</item></layout>'))
    + '<resources/><connections/></ui>\n')

open('mainwindow.ui', 'w').write(form)
