/*
 * Greeting: the text that Hello prints, kept in a class of its own so that
 * compiling Hello needs the package root on the source path.
 */
// The line begins with "Hello from org.example.hello".
package org.example.hello;

final class Greeting {
    private Greeting() {
    }

    static String of(String who) {
        return "Hello from org.example.hello, greeting " + who + "!";
    }
}
