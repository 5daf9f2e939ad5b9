// The toolkit's floor: a bare Qt window with a two-column list of 8 rows.
#include <QApplication>
#include <QTreeWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTreeWidget list;
    list.setColumnCount(2);
    list.setHeaderHidden(true);
    list.setRootIsDecorated(false);
    for (int row = 1; row <= 8; ++row)
        list.addTopLevelItem(new QTreeWidgetItem({QString("Form %1").arg(row), QString("/tmp/file %1.txt").arg(row)}));
    list.resize(500, 180);
    list.show();
    return app.exec();
}
