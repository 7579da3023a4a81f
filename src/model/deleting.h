#pragma once
// How objects leave a drawing's object table: deletion after the dependency
// check, renumbering of every reference, clearing, and the restore stack
// (records 14 to 19) of the six newest deletions and hide changes.

#include "model/diagram.h"

// Whether object i may be deleted: nothing (driving point, locus, conclusion,
// later object, later hide button, computation list) refers to it.
bool can_delete(Diagram& d, int i);

// Deletes one object: k is its index, or a Script Manager line when
// by_position is non-zero. Refused with "Can't delete the point" when something
// refers to it; with confirm non-zero the user is asked first. Pushes the object
// on the restore stack. Returns whether the object was deleted.
bool del_point(Diagram& d, int k, int by_position, int confirm);

// Removes object i and lowers every reference above it (objects, hide lists,
// conclusion, computation list, loci, driving points, restore stack). No checks.
void del_object(Diagram& d, int i);

// Deletes the segment between a and b; returns its index, 0 when there is none.
int del_segment(Diagram& d, int a, int b, int confirm);

// Pushes a copy of record i on the restore stack; the oldest of six is lost.
void undo_push(Diagram& d, int i);

// Records the state of object k before a hide command changes it.
void push_hide_change(Diagram& d, int k);

// "Restore the deleted elements": takes the newest entry back.
void restore_last(Diagram& d);
// Whether there is an entry to restore.
bool can_restore(Diagram& d);

// Removes every object and applies the reserved-record reset.
void clear_diagram(Diagram& d);

// "Delete the last construction": the last object, without a question.
void delete_last_construction(Diagram& d);
// "Delete the current block": every object of the current block (all objects
// when no block is current), from the last one down.
void delete_current_block(Diagram& d);
