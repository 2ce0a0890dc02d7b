// A module's class file holds Module and Package entries.
module com.acme {
    exports com.acme;
}
