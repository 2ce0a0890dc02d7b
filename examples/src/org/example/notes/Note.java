/*
 * Note: an annotation for packages, kept in a package of its own so that
 * compiling hello's package-info.java needs the package root on the source
 * path.
 */
package org.example.notes;

import java.lang.annotation.ElementType;
import java.lang.annotation.Target;

@Target(ElementType.PACKAGE)
public @interface Note {
    String value();
}
