// Compiled by the build for the class file tests: its constant pool holds
// longs and doubles (two slots each), method handles, method types and
// invokedynamic entries, and a nested class.
package com.acme;

import java.util.function.LongSupplier;
import java.util.function.Supplier;

public class Outer {
    static final long BIG = 1L << 40;
    static final double HALF = 0.5;
    static final float THIRD = 1.0f / 3;
    static final int MILLION = 1_000_000;

    static class Inner {
        long twice(long value) {
            return value * 2 + BIG;
        }
    }

    public static void main(String[] args) {
        LongSupplier big = () -> BIG + (long) (HALF * MILLION);
        Supplier<Inner> make = Inner::new;
        System.out.println("big " + big.getAsLong() + " " + make.get().twice(3) + " " + THIRD);
    }
}
