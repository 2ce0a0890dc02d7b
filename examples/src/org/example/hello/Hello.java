/* Hello: the sample program for the launchers. */
// Compiled with source_compiler and run with class_runner, it shows that both
// work from the package root: Greeting, a class of the same package, is only
// found when the tools run in examples/src. It prints one line that the run
// script and the round-trip tests look for, whether assertions are on (java
// -ea), and each of its arguments between brackets.
package org.example.hello;

public class Hello {
    public static void main(String[] args) {
        System.out.println(Greeting.of("launchers"));
        boolean assertions = false;
        assert assertions = true;
        System.out.println("assertions " + (assertions ? "on" : "off"));
        for (int i = 0; i < args.length; i++)
            System.out.println("argument " + (i + 1) + ": [" + args[i] + "]");
    }
}
