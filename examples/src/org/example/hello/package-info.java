/**
 * The sample program for the launchers. The annotations stand before the
 * package line, as javac allows only here; the note's ";" and "//" end
 * nothing, and its type lives in another package of the example.
 */
@Deprecated
@org.example.notes.Note(
    "compiled from the package root; a ; or // in here ends nothing")
package org.example.hello;
