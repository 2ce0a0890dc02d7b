/*
 * Hello: the sample program for the launchers.
 *
 * Compiled with source_compiler and run with class_runner, it shows that both
 * work from the package root: Greeting, a class of the same package, is only
 * found when the tools run in examples/src.
 */
// Prints one line that the run script and the round-trip tests look for.
package org.example.hello;

public class Hello {
    public static void main(String[] args) {
        System.out.println(Greeting.of("launchers"));
    }
}
