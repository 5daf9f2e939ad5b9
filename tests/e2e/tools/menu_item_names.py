# Imported by the menu tools: what a menu item shows, as read through the accessibility bus.
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def item_name(item):
    """The item's name; for an item without a name of its own (GTK 4.18's popover menus, in
    Nautilus 48), the text of the label it is labelled by, which is what it shows."""
    name = item.get_name()
    if name:
        return name
    for relation in item.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            labels = (relation.get_target(index) for index in range(relation.get_n_targets()))
            return " ".join(Atspi.Text.get_text(label, 0, -1) for label in labels)
    return name
