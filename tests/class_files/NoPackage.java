// A class in no package, for the class file tests.
public class NoPackage {
    static final double E = 2.718281828459045;

    public static void main(String[] args) {
        Runnable say = () -> System.out.println(E);
        say.run();
    }
}
