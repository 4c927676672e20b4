# Qt's headers are most of what a translation unit of this project parses: each library, and
# all tests of one kind together, parse them once into a precompiled header. Configure with
# -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON to check that every file includes what it uses.

set(LUMENTAFEL_CORE_HEADERS
    <QtCore/QByteArray> <QtCore/QCoreApplication> <QtCore/QDateTime> <QtCore/QDir>
    <QtCore/QEvent> <QtCore/QFile> <QtCore/QFileInfo> <QtCore/QHash> <QtCore/QList>
    <QtCore/QObject> <QtCore/QPointer> <QtCore/QString> <QtCore/QStringList> <QtCore/QTimer>
    <functional> <memory> <vector>)
set(LUMENTAFEL_WIDGET_HEADERS
    ${LUMENTAFEL_CORE_HEADERS}
    <QtGui/QAction> <QtWidgets/QApplication> <QtWidgets/QBoxLayout> <QtWidgets/QCheckBox>
    <QtWidgets/QDialog> <QtWidgets/QLabel> <QtWidgets/QLineEdit> <QtWidgets/QMainWindow>
    <QtWidgets/QMenu> <QtWidgets/QPlainTextEdit> <QtWidgets/QPushButton> <QtWidgets/QSpinBox>
    <QtWidgets/QTabWidget> <QtWidgets/QTextEdit> <QtWidgets/QWidget>)
set(LUMENTAFEL_TEST_HEADERS <QtTest/QSignalSpy> <QtTest/QTest>)

